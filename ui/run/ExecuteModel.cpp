#include "ui/run/ExecuteModel.h"

#include "ui/run/CommandLine.h"
#include "ui/run/ShellErrors.h"

namespace velmora {

bool OkEnabled(const std::string& text) {
    return !text.empty();
}

ExecuteResult ExecuteModel::bokClick(const EditState& box, bool minimizeAfterExecuting, const BoxShown& remembered) {
    ExecuteResult result;
    result.box = Remember(history_, box);
    if (remembered) remembered(result.box);
    // From here on the text is the one the box shows after remembering, which
    // may be a history entry's own spelling.
    const std::string& text = result.box.text;

    const ShellCommand command = SplitCommandLine(text);
    const std::uintptr_t code = shell_.Open(command.file, command.parameters);
    if (IsShellSuccess(code)) {
        result.after = minimizeAfterExecuting ? AfterExecute::CloseAndMinimize : AfterExecute::Close;
        return result;
    }

    boxes_.Show(ShellFailureMessage(text, code), text, BoxKind::Error);
    result.after = AfterExecute::StayOpen;
    result.box.selStart = 0;
    result.box.selEnd = static_cast<int>(text.size());
    return result;
}

EditState ExecuteModel::bbrClick(const EditState& box, const std::optional<std::string>& chosenPath) {
    if (!chosenPath) return Normalized(history_, box);
    // Setting the text by program leaves no entry current, so remembering
    // shows the entry's own spelling when the path is already known.
    EditState chosen;
    chosen.text = *chosenPath;
    chosen.selStart = chosen.selEnd = static_cast<int>(chosen.text.size());
    return Remember(history_, chosen);
}

EditState ExecuteModel::edtExit(const EditState& box) {
    if (box.text.empty()) return Normalized(history_, box);
    return Remember(history_, box);
}

std::optional<EditState> ExecuteModel::FocusLost(const EditState& box, FocusTarget next) {
    if (next != FocusTarget::DialogControl) return std::nullopt;
    return edtExit(box);
}

}  // namespace velmora
