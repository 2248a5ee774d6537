// The run dialog's behaviour without its window: what OK, Durchsuchen... and
// leaving the input box do to the history, the shell and the message boxes,
// and what the window has to do afterwards.
#pragma once

#include "ui/app/Dialogs.h"
#include "ui/run/CommandHistory.h"
#include "ui/run/HistoryBox.h"

#include <functional>
#include <optional>
#include <string>

namespace velmora {

// "OK" is enabled exactly when the input box holds text (edtChange,
// FormShow, bbrClick).
bool OkEnabled(const std::string& text);

enum class AfterExecute {
    Close,             // the shell accepted the command line
    CloseAndMinimize,  // ... and the application goes to the taskbar
    StayOpen,          // a failure was shown; focus the box, its text selected
};

// Where the focus went when the input box lost it.
enum class FocusTarget {
    DialogControl,  // another control of the run dialog (a click on a button, Tab)
    TheBox,         // the combo box itself, which passes the focus straight back
    Elsewhere,      // nowhere, or out of the dialog: Esc, hiding, another program
};

struct ExecuteResult {
    AfterExecute after = AfterExecute::StayOpen;
    EditState box;  // the input box after remembering its text
};

class ExecuteModel {
public:
    ExecuteModel(IShell& shell, IMessageBoxes& boxes, CommandHistory history)
        : shell_(shell), boxes_(boxes), history_(std::move(history)) {}

    CommandHistory& History() { return history_; }
    const CommandHistory& History() const { return history_; }

    // OK or Enter: remember the text, hand it to the shell split into file and
    // parameters, and explain a failure in an error box captioned with it.
    // `remembered` sees the box as remembering left it, before the shell
    // runs, so the window can show that while the shell and a box take time.
    using BoxShown = std::function<void(const EditState&)>;
    ExecuteResult bokClick(const EditState& box, bool minimizeAfterExecuting, const BoxShown& remembered = {});

    // After the file-open dialog: a chosen file's full path replaces the text
    // and is remembered; without one the box stays as it was.
    EditState bbrClick(const EditState& box, const std::optional<std::string>& chosenPath);

    // The box was left: a non-empty text is remembered.
    EditState edtExit(const EditState& box);
    // The box lost the focus. Only moving to another control of the dialog
    // leaves it (edtExit); anything else keeps the text out of the history
    // and the box as it is (nullopt).
    std::optional<EditState> FocusLost(const EditState& box, FocusTarget next);

private:
    IShell& shell_;
    IMessageBoxes& boxes_;
    CommandHistory history_;
};

}  // namespace velmora
