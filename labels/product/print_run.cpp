#include "labels/product/print_run.h"

#include "platform/errors.h"

namespace printrun {

PrintRun::PrintRun(Program& p, RunPage page, const std::function<void()>& setMargins) : p_(p)
{
    if (!began()) {
        ended_ = true;
        return;
    }
    busy_.emplace(p.ws.screen);
    selectChosenPrinter(p);
    if (page.heightFirst)
        onPrinter(p, {millimetres(), width(kRowWidth), height(page.height)});
    else
        onPrinter(p, {millimetres()});
    setMargins();
    if (page.heightFirst)
        onPrinter(p, {userPaper(), width(kRowWidth), fontName(p.g.fonte_etiqueta)});
    else
        onPrinter(p, {userPaper(), width(kRowWidth), height(page.height), fontName(p.g.fonte_etiqueta)});
    setBrandLetter(p);
}

PrintRun::~PrintRun()
{
    if (ended_)
        return;
    try {
        end();
    } catch (const ProgramError&) {
        // A message that could not be shown; the document was ended before it.
    }
}

bool PrintRun::end()
{
    if (ended_)
        return true;
    ended_ = true;
    const EndedDocument d = endDocument(p_);
    // What the operator did while the run drew is dropped, as during its waits.
    beside::dropPendingInput();
    busy_.reset();
    tellFailedDocument(p_, d);
    tellUnprinted(p_, unprinted_);
    return d.whole;
}

}  // namespace printrun
