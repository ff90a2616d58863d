#pragma once

#include "form/program.h"
#include "labels/product/run_steps.h"
#include "platform/besidethewindow.h"
#include "platform/screen.h"

#include <functional>
#include <optional>

namespace printrun {

// The page every label of a run is printed on.
struct RunPage {
    Twips height;
    // The box-front stock: its height is set before the margins are read, and the user paper
    // set after them keeps it.
    bool heightFirst = false;
};

// One print run, from the printer chosen to the document ended: the only place a run is set up
// and ended. Set-up: the printer named in CMBPRINTER, millimetres, the margins (setMargins), the
// page and the label font, the brand letter. End, whatever way the run's scope is left: the
// document ended, the default printer current again, a failed document told, then the labels left
// out. The busy pointer shows meanwhile; a run begun while another lasts does nothing at all.
class PrintRun {
public:
    PrintRun(Program& p, RunPage page, const std::function<void()>& setMargins);
    ~PrintRun();
    PrintRun(const PrintRun&) = delete;
    PrintRun& operator=(const PrintRun&) = delete;

    // False when another run was in progress: nothing was set up, and nothing will be ended.
    bool began() const { return run_.began(); }
    UnprintedLabels& unprinted() { return unprinted_; }
    // Ends the run now (the destructor then does nothing); false when the document failed.
    bool end();

private:
    Program& p_;
    beside::Run run_;
    std::optional<Screen::Busy> busy_;
    UnprintedLabels unprinted_;
    bool ended_ = false;
};

}  // namespace printrun
