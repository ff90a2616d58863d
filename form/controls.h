#pragma once

#include "platform/errors.h"
#include "platform/picture.h"
#include "platform/picturebox.h"

#include <QString>
#include <QStringList>

// The font a control shows its text in.
struct ControlFont {
    QString name = QStringLiteral("Arial");
    double size = 9.75;  // points
    bool bold = true;
};

enum class Alignment { Left, Right, Center };

// The controls of the program's windows as plain data. Each has the state the program's code
// reads and writes; the Qt windows show it and write the operator's edits back.
struct Control {
    QString name;
    bool visible = true;
    bool enabled = true;
    int left = 0, top = 0, width = 0, height = 0;  // twips, in the container's coordinates
    int tabIndex = -1;     // position in the keyboard order; -1: never takes the focus
    QString container;     // name of the frame it sits in; empty: the window itself
    ControlFont font;
    Alignment alignment = Alignment::Left;

    void move(int l, int t, int w, int h)
    {
        left = l;
        top = t;
        width = w;
        height = h;
    }
};

struct TextBox : Control {
    static constexpr QRgb kWhite = 0xFFFFFF;

    QString text;
    bool locked = false;
    int selStart = 0;
    int selLength = 0;
    QRgb backColor = kWhite;
};

struct Label : Control {
    QString caption;
};

struct Frame : Control {
    QString caption;
};

struct CommandButton : Control {
    QString caption;
};

struct CheckBox : Control {
    QString caption;
    int value = 0;  // 0 clear, 1 checked
};

struct OptionButton : Control {
    QString caption;
    bool value = false;
};

// A list box: items read by position from 0; a position past the end reads as empty text.
struct ListBox : Control {
    QStringList items;
    int listIndex = -1;

    int listCount() const { return static_cast<int>(items.size()); }
    void addItem(const QString& item) { items << item; }
    void clear()
    {
        items.clear();
        listIndex = -1;
    }
    QString list(int index) const
    {
        if (index < -1)
            vberr::raise(vberr::InvalidPropertyIndex, QStringLiteral("ListBox"));
        if (index == -1)
            return listIndex >= 0 && listIndex < listCount() ? items.at(listIndex) : QString();
        return index < listCount() ? items.at(index) : QString();
    }
};

// A drop-down list. Its text is the chosen item; a drop-down that accepts typing keeps typed text.
struct ComboBox : ListBox {
    QString text;
    bool acceptsTyping = false;

    void clear()
    {
        ListBox::clear();
        text.clear();
    }
    void setListIndex(int index)
    {
        if (index < -1 || index >= listCount())
            vberr::raise(vberr::InvalidPropertyIndex, QStringLiteral("ComboBox"));
        listIndex = index;
        text = index >= 0 ? items.at(index) : QString();
    }
};

// An image control: shows a picture, stretched or at its own size.
struct ImageControl : Control {
    Picture picture;
    bool stretch = false;
};

