#pragma once

#include <QImage>

// The workstation's clipboard, as far as the program uses it: emptied, then given a picture.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    // The picture goes on as a bitmap: opaque pixels, no alpha channel.
    virtual void setImage(const QImage& image) = 0;
};

// The application's clipboard.
class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setImage(const QImage& image) override;
};

// A clipboard for tests: keeps what was put on it and counts the clears.
class RecordingClipboard : public Clipboard {
public:
    void clear() override;
    void setImage(const QImage& image) override;

    const QImage& image() const { return image_; }
    int clears() const { return clears_; }
    int images() const { return images_; }

private:
    QImage image_;
    int clears_ = 0;
    int images_ = 0;
};
