#include "form/selection.h"

#include "platform/vb.h"

void seleciona(TextBox& box)
{
    box.selStart = 0;
    box.selLength = vb::Len(vb::Trim(box.text));
}
