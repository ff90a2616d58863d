#include "setup/margenslayout.h"

#include "settings/settings.h"

namespace margenslayout {

namespace {

MarginBox marginBox(const char* name, Rect r, const ini::MarginKey& key, int tabIndex)
{
    MarginBox b;
    b.box.name = QString::fromLatin1(name);
    b.box.move(r.left, r.top, r.width, r.height);
    b.box.tabIndex = tabIndex;
    b.box.alignment = Alignment::Right;
    b.key = qs(key.key);
    b.loadStandard = b.saveStandard = qs(key.dialogStandard);
    b.filter = KeyFilter::Decimal;
    return b;
}

}  // namespace

MarginDialogLayout base(const char* caption, const char* frame, int width, int height, Rect frameRect,
                        int headingWidth)
{
    MarginDialogLayout l;
    l.caption = QString::fromUtf8(caption);
    l.width = width;
    l.height = height;
    l.section = qs(ini::kMargens);
    l.frame.name = QStringLiteral("Frame1");
    l.frame.caption = QString::fromUtf8(frame);
    l.frame.move(frameRect.left, frameRect.top, frameRect.width, frameRect.height);
    l.labels.push_back(marginCaption("Label1", QStringLiteral("Margem Padrão"), 480, 240, headingWidth, 255, -1, true));
    return l;
}

void column(MarginDialogLayout& l, const char* label, Rect labelRect, const char* picture, Rect pictureRect,
            const char* box, Rect boxRect, const ini::MarginKey& key, int tabIndex, const char* named)
{
    l.labels.push_back(marginCaption(label, qs(key.dialogStandard), labelRect.left, labelRect.top, labelRect.width,
                                     labelRect.height));
    Control outline;
    outline.name = QString::fromLatin1(picture);
    outline.move(pictureRect.left, pictureRect.top, pictureRect.width, pictureRect.height);
    l.outlines.push_back(outline);
    MarginBox b = marginBox(box, boxRect, key, tabIndex);
    b.maxLength = 4;
    b.named = QString::fromUtf8(named);
    l.boxes.push_back(b);
}

void top(MarginDialogLayout& l, const char* caption, Rect labelRect, Rect boxRect, const ini::MarginKey& key,
         int tabIndex, const char* named)
{
    l.labels.push_back(marginCaption("Label6", QString::fromUtf8(caption), labelRect.left, labelRect.top,
                                     labelRect.width, labelRect.height));
    MarginBox b = marginBox("txtmargemsuperior", boxRect, key, tabIndex);
    b.named = QString::fromUtf8(named);
    l.boxes.push_back(b);
}

void newValueCaption(MarginDialogLayout& l, Rect r)
{
    l.labels.push_back(marginCaption("Label5", QStringLiteral("Novo Valor"), r.left, r.top, r.width, r.height));
}

}  // namespace margenslayout
