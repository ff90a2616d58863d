#pragma once

// The test prints of the margin dialogs on the recording printers: the desk, and dialogs opened
// and typed on it.
#include "setup/frmmargenscxzpl45.h"
#include "setup/frmmargensocultazpl2.h"
#include "setup/frmmargenspackzpl.h"
#include "tests/setup/calibra_fixture.h"

#include <functional>
#include <memory>

inline QStringList textsOf(const RecordingPrinter::Page& page)
{
    QStringList out;
    for (const auto* op : page.texts())
        out << op->text;
    return out;
}

inline QStringList boxTextsOf(MarginDialog& d)
{
    QStringList out;
    for (MarginBox& b : d.boxes())
        out << b.box.text;
    return out;
}

// Opens a dialog on the desk and presses "&Impressão de Teste".
template <class Dialog>
void clickTest(CalibraDesk& d)
{
    Dialog dialog(d.p);
    dialog.Form_Load();
    dialog.cmd_teste_Click();
}

// The same for the dialog of a box-front or hidden item.
inline void clickTestOfType(CalibraDesk& d, const QString& tipo)
{
    if (tipo == CalibraDesk::kFrente)
        clickTest<FrmMargensCxZPL45>(d);
    else
        clickTest<FrmMargensOcultaZPL2>(d);
}

// A dialog made on the desk and opened, its boxes typed in box order.
inline std::unique_ptr<MarginDialog> opened(CalibraDesk& desk,
                                     const std::function<std::unique_ptr<MarginDialog>(Program&)>& make,
                                     const QStringList& boxes)
{
    auto d = make(desk.p);
    d->Form_Load();
    for (int i = 0; i < boxes.size(); ++i)
        d->boxes()[static_cast<size_t>(i)].box.text = boxes[i];
    return d;
}

struct TestePrint : ::testing::Test, CalibraDesk {
    // Opens the dialog and types the boxes, in box order.
    template <class Dialog>
    std::unique_ptr<Dialog> typed(const QStringList& boxes)
    {
        auto d = std::make_unique<Dialog>(p);
        d->Form_Load();
        for (int i = 0; i < boxes.size(); ++i)
            d->boxes()[static_cast<size_t>(i)].box.text = boxes[i];
        return d;
    }
};
