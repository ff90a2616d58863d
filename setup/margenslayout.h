#pragma once

#include "settings/keys.h"
#include "setup/margindialog.h"

// Builders for the layouts of the margin dialogs: the three of the running labels and the five of
// the printer-language labels. Places are twips, inside the frame that fills each window.
namespace margenslayout {

struct Rect {
    int left, top, width, height;
};

// Caption, client size, the frame and its centred "Margem Padrão" heading.
MarginDialogLayout base(const char* caption, const char* frame, int width, int height, Rect frameRect,
                        int headingWidth);

// A column box with the caption of its standard over its label sketch: the caption is what an
// empty box shows and saves. The operator types at most 4 characters into a column box. named:
// how a message names the margin ("da etiqueta da esquerda").
void column(MarginDialogLayout& l, const char* label, Rect labelRect, const char* picture, Rect pictureRect,
            const char* box, Rect boxRect, const ini::MarginKey& key, int tabIndex, const char* named);

// The top box: "3" for an empty box, no length limit; messages name it "superior", or named
// where its caption says otherwise.
void top(MarginDialogLayout& l, const char* caption, Rect labelRect, Rect boxRect, const ini::MarginKey& key,
         int tabIndex, const char* named = "superior");

void newValueCaption(MarginDialogLayout& l, Rect rect);

}  // namespace margenslayout
