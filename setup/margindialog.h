#pragma once

#include "form/controls.h"
#include "platform/workstation.h"

#include <QString>
#include <cstdint>
#include <vector>

// The margin dialogs all work alike: boxes loaded from the settings file when the dialog opens,
// a save that writes every box (a blank one as its standard) and closes, a close that writes
// nothing, and a test print of the typed values. A dialog is a layout (data) and this model;
// what differs between dialogs is the layout and the test print.

enum class KeyFilter { None, Inteiro, Decimal };

// One box of a dialog and the settings key behind it.
struct MarginBox {
    TextBox box;               // name, place, tab position and the text the operator sees
    int index = -1;            // element of a control array, -1 for a lone box
    QString key;               // key in the dialog's section
    QString loadStandard;      // shown when the stored value is missing or blank
    QString saveStandard;      // written when the box is blank on save
    KeyFilter filter = KeyFilter::None;
    bool selectsOnFocus = true;
    int maxLength = 0;         // characters the operator may type; 0 is no limit
    // A box with a name holds millimetres: text that is no number is refused by the save and the
    // test print, and the message names the box by this ("da etiqueta da direita").
    QString named;
};

// What a dialog looks like and which keys it edits. Places are twips; the controls inside the
// frame are placed relative to it.
struct MarginDialogLayout {
    QString caption;
    int width = 0, height = 0;
    QString section = QStringLiteral("MargemOcultaZebra");
    Frame frame;
    struct Caption {
        Label label;
        int index = -1;
        bool centred = false;
    };
    std::vector<Caption> labels;   // headings and the standard captions over the label sketches
    std::vector<Control> outlines; // white label sketches, nothing drawn in them
    std::vector<MarginBox> boxes;
    CommandButton cmd_gravar, cmd_teste, cmd_exit;
};

// The buttons every margin dialog has, with their captions.
MarginDialogLayout::Caption marginCaption(const char* name, const QString& caption, int left, int top, int width,
                                          int height, int index = -1, bool centred = false);
void placeMarginButtons(MarginDialogLayout& layout, int top, const int (&lefts)[3], const int (&widths)[3],
                        int height, const int (&tabIndexes)[3]);

class MarginDialog {
public:
    MarginDialog(Workstation& ws, MarginDialogLayout layout);
    virtual ~MarginDialog() = default;
    MarginDialog(const MarginDialog&) = delete;
    MarginDialog& operator=(const MarginDialog&) = delete;

    const MarginDialogLayout& layout() const { return layout_; }
    std::vector<MarginBox>& boxes() { return layout_.boxes; }
    // The box by name and array element; raises "Invalid property index" for an unknown one.
    TextBox& box(const QString& name, int index = -1);
    bool isOpen() const { return open_; }
    // A handler moved the focus to this box; the window gives it the focus and clears this.
    TextBox* focusRequest = nullptr;

    // Opening: every box emptied, filled from its key when the settings file exists, a blank one
    // given its load standard; then the dialog's own loading.
    void Form_Load();
    // Every box written to its key (a blank box first gets its save standard), then closed; a
    // file that cannot be written is told and the dialog stays open. A box of millimetres that
    // holds no number is told first, with the focus on it, and nothing is written.
    void cmd_gravar_Click();
    // Closed without writing; what was typed is lost.
    void cmd_exit_Click();
    void cmd_teste_Click() { testPrint(); }

    // False, with a message naming the first box of millimetres whose text is no number (a blank
    // one aside) and the focus on it; true when each holds a number the margins can take.
    bool boxesHoldNumbers();

    // Editing aids of box number i of boxes(): the selection on entry and the key filter.
    void GotFocus(int i);
    int16_t KeyPress(int i, int16_t keyAscii);

protected:
    virtual void loaded() {}
    virtual void testPrint() = 0;

    Workstation& ws_;

private:
    MarginDialogLayout layout_;
    bool open_ = false;
};
