#pragma once

#include "barcode/barcodeerror.h"
#include "form/program.h"
#include "labels/toolkit/symbol.h"
#include "platform/errors.h"
#include "settings/keys.h"

#include <QList>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>

// The steps the paths of the print command share. Each goes on past a failing step, as the
// command does: a printer, settings or conversion error drops that one step.
namespace printrun {

// One operation on the printer that is current at that moment.
template <class Op>
void onPrinter(Program& p, Op&& op)
{
    tryStep([&] { op(p.ws.printers.current()); });
}

// The pages of the runs: one row of labels 158.75 mm wide; the carton page is square.
inline constexpr Twips kRowWidth{9000};
inline constexpr Twips kBoxFrontHeight{2660};
inline constexpr Twips k40x20Height{1200};
inline constexpr Twips kCartonHeight{9000};
// The one-across stock is 40 mm high: 2268 twips, the nearest whole number.
inline constexpr Twips k100x40Height{2268};

// Page set-up steps, each dropped on its own when the printer refuses it.
using PrinterStep = std::function<void(Printer&)>;
void onPrinter(Program& p, std::initializer_list<PrinterStep> steps);
PrinterStep millimetres();
PrinterStep userPaper();
PrinterStep width(Twips w);
PrinterStep height(Twips h);
PrinterStep fontName(const QString& name);

// Makes the printer named in CMBPRINTER current; when none has that name the current one stays.
void selectChosenPrinter(Program& p);
// The document on the current printer has failed (it could not be opened, written or handed
// over): the run stops drawing, and the run's end tells the operator.
bool documentFailed(Program& p);
// Ends the print document (a failed one's incomplete output is thrown away) and makes the
// default printer (lblprinterdefault) current again; whether the document was whole, and if not
// on which printer and why. PrintRun ends every run through these two.
struct EndedDocument {
    bool whole = true;
    QString printer, reason;
};
EndedDocument endDocument(Program& p);
// A document that failed: a message names the printer and the reason.
void tellFailedDocument(Program& p, const EndedDocument& d);

// A label a run leaves out, and why: the order lacks its codes, its quantity cannot be printed,
// its symbol was refused or would encode other digits than those beside it, or the run stopped
// before it. Every filled size that prints nothing is one of these, so the operator knows.
struct UnprintedLabel {
    QString label;   // "tamanho 38", or the item of an accessory label
    QString code;    // the EAN when the order gave one
    QString reason;  // in the operator's words
};
using UnprintedLabels = QList<UnprintedLabel>;

// The reasons, worded once for every path.
namespace why {
// The size caption is no number, so the order's EAN is never looked up for it.
QString sizeNotNumber();
QString noEan();
// An accessory item's EAN is one for the whole item.
QString noItemEan();
QString noMaster();
QString badQuantity(const QString& typed, bool itemTotal);
// A quantity that is not 0 but rounds to no label, such as "0,4".
QString roundsToNoLabel(const QString& typed, bool itemTotal);
// Hidden labels are twice the pairs: the count passes 32767.
QString doubledPastLimit(const QString& typed);
// A size after the "Erro - 1012" stop.
QString afterStop();
// The drawer's own refusal, kept for support after the operator's words.
QString refusedSymbol(const QString& drawerText);
}  // namespace why

// One layout call as a step of its own: a refused code, or one whose symbol would not match the
// digits beside it, is noted in unprinted; any other failure drops the call as tryStep does.
template <class Call>
void layoutCall(UnprintedLabels& unprinted, const QString& label, const QString& code, Call&& call)
{
    tryStep([&] {
        try {
            call();
        } catch (const labels::PrintedDigitsError& e) {
            unprinted.append({label, code, e.description()});
        } catch (const BarcodeError& e) {
            unprinted.append({label, code, why::refusedSymbol(e.description())});
        }
    });
}

// The labels a quantity asks for, as the layouts take it: the whole number nearest to the text
// (hidden labels: twice it); nothing when that is no 16-bit number.
std::optional<int16_t> labelCount(const QString& typed, bool doubled);
// Why a typed quantity cannot print as typed (not a whole number from 0 to 32767, a doubled
// count past it, or a fraction that rounds to no label), or empty when it can; itemTotal words
// it for the accessory "Total de Itens".
QString quantityReason(const QString& typed, bool doubled, bool itemTotal = false);
// labelCount for one label or size, with the reason noted in unprinted when the quantity cannot
// print as typed: the one step every size loop takes before its layout call.
std::optional<int16_t> countNotingWhy(UnprintedLabels& unprinted, const QString& label, const QString& code,
                                      const QString& typed, bool doubled, bool itemTotal = false);
// A filled cell whose quantity is 0 prints nothing by the operator's own choice and is never
// named; a fraction that rounds to 0 ("0,4") asks for labels and is.
bool asksForLabels(const QString& typed, bool doubled);

// "tamanho 38"
QString sizeLabel(const QString& caption);
// Why a filled size has no codes after ret_codcomplemento has looked up its caption.
QString missingCodesReason(Program& p, const QString& caption);
// After a stop: every filled cell from first on that asks for labels, named as left out.
void noteCellsAfterStop(Program& p, int first, bool doubled, UnprintedLabels& unprinted);

// After the run, one message naming every label left out and why; nothing when none was.
void tellUnprinted(Program& p, const UnprintedLabels& unprinted);

// The colour question for a blank colour; false when the operator answers No.
bool colourAccepted(Program& p, const QString& cor);
// Both brand logos loaded at start-up; otherwise the logo message.
bool logosPresent(Program& p);
void showSelectItem(Program& p);
void showInvalidCode(Program& p);

// codigo_marca from the first character of LBLMERVALK: "O" only for "O".
void setBrandLetter(Program& p);

// One label family's margins: each key with the variable it sets.
struct MarginFamily {
    struct Entry {
        const ini::MarginKey* key;
        float Globals::*variable;
    };
    std::span<const Entry> entries;
    // The pack margins start from their fallback before the file is read.
    bool presetFallback;
};

extern const MarginFamily kBoxFrontMargins;
extern const MarginFamily kHiddenMargins;
extern const MarginFamily kPackMargins;

// Reads a family's margins from "MargemOcultaZebra": a missing file or a blank key gives the
// key's print fallback, a number replaces the variable, any other text leaves it as it was.
void readMargins(Program& p, const MarginFamily& family);

}  // namespace printrun
