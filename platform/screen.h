#pragma once

#include "platform/units.h"

// The screen: its twips per pixel and the mouse pointer.
class Screen {
public:
    enum class Pointer { Default, Hourglass };

    virtual ~Screen() = default;
    int twipsPerPixelX() const { return kTwipsPerPixel; }
    int twipsPerPixelY() const { return kTwipsPerPixel; }

    Pointer pointer() const { return pointer_; }
    virtual void setPointer(Pointer p) { pointer_ = p; ++changes_; }
    int pointerChanges() const { return changes_; }

    // Shows the hourglass for as long as it lives, whatever way the scope is left.
    class Busy {
    public:
        explicit Busy(Screen& s) : screen_(s) { screen_.setPointer(Pointer::Hourglass); }
        ~Busy() { screen_.setPointer(Pointer::Default); }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        Screen& screen_;
    };

private:
    Pointer pointer_ = Pointer::Default;
    int changes_ = 0;
};

// The screen of a running program: the pointer is the application's override cursor.
class GuiScreen : public Screen {
public:
    void setPointer(Pointer p) override;
};
