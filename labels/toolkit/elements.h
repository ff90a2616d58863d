#pragma once

#include "platform/picture.h"
#include "platform/printer.h"

#include <QString>
#include <cstdint>

namespace labels {

enum class Bold : uint8_t { Keep, Off, On };

// The font a row asks for; a missing name or a zero size leaves that part as the printer has it.
struct FontSpec {
    const char* name = nullptr;
    double points = 0;
    Bold bold = Bold::Keep;
};

void applyFont(Printer& printer, const FontSpec& font);

// Prints with the top-left corner of the text's line cell at (x, y).
void printAt(Printer& printer, double x, double y, const QString& text);

// The measured widths of a price block's parts; a row names the ones its x subtracts.
enum PriceWidth : uint8_t { kCentsWidth = 1, kIntegerWidth = 2, kCurrencyWidth = 4, kCashWidth = 8 };

struct PriceWidths {
    double cents = 0, integer = 0, currency = 0, cash = 0;

    double sum(uint8_t which) const
    {
        return ((which & kCentsWidth) ? cents : 0) + ((which & kIntegerWidth) ? integer : 0) +
               ((which & kCurrencyWidth) ? currency : 0) + ((which & kCashWidth) ? cash : 0);
    }
};

// One row of a layout's element table: what is drawn (a field of the layout), when, in which
// font, and where, in millimetres from the label's origin.
template <class Field, class When>
struct Element {
    Field field;
    When when;
    FontSpec font;
    double x = 0, y = 0;
    double width = 0, height = 0;  // pictures: the rectangle painted into
    double sourceWidth = 0;        // pictures: width of the source region; 0 paints the whole picture
    uint8_t minus = 0;             // price parts: the measured widths taken off x
};

// Walks a table top to bottom: every row whose condition holds gets its font set, then is drawn
// by the layout at its place on the page.
template <class Table, class Holds, class Draw>
void drawElements(Printer& printer, const Table& table, double X, double Y, Holds holds, Draw draw,
                  const PriceWidths* widths = nullptr)
{
    for (const auto& e : table) {
        if (!holds(e.when))
            continue;
        applyFont(printer, e.font);
        const double x = X + e.x - (widths ? widths->sum(e.minus) : 0.0);
        draw(e, x, Y + e.y);
    }
}

// Paints a picture row: the whole picture, or a source region from the top-left corner as wide as
// the row says and as high as the picture itself.
template <class E>
void paintElement(Printer& printer, const Picture& picture, const E& e, double x, double y)
{
    if (e.sourceWidth > 0)
        printer.paintPicture(picture, x, y, e.width, e.height,
                             Printer::Region{0, 0, e.sourceWidth, picture.heightMm()});
    else
        printer.paintPicture(picture, x, y, e.width, e.height);
}

// Fills a box row: a black rectangle from (x, y) over the row's width and height.
template <class E>
void fillElement(Printer& printer, const E& e, double x, double y)
{
    printer.filledBox(x, y, x + e.width, y + e.height);
}

}  // namespace labels
