#include "ui/main/ProcessListController.h"

#include <utility>
#include <vector>

namespace velmora {

namespace {

constexpr char kQuote = '"';
const char* const kConfirmCaption = "Bestätigen";
const char* const kFinalizeOneCaption = "Fehler beim Beenden vom Prozess";
const char* const kFinalizeSeveralCaption = "Fehler beim Beenden von Prozessen";
const char* const kPriorityCaption = "Fehler beim Setzen der Priorität";

std::string Quoted(const std::string& text) {
    return kQuote + text + kQuote;
}

// A process pinned by a handle opened before any box was shown, or the
// code of the open that failed.
struct PinnedProcess {
    OwnedHandle handle;
    std::uint32_t openError = 0;
};

}  // namespace

// Each process to end is pinned by a handle before the confirmation opens
// and ended through that handle: if its identifier is reused while the box
// is open, the new process is never hit, and one that ended meanwhile fails.
// Error texts come from the code of the call that failed, read right after
// it. Nothing is read from the rows once a box has opened, because timer
// refreshes go on and may remove them.
void ProcessListController::FinalizeProcessBtnClick() {
    const std::vector<int> selected = rows_.SelectedRows();
    if (selected.size() > 1)
        FinalizeSeveral(selected);
    else if (selected.size() == 1)
        FinalizeOne(selected.front());
}

void ProcessListController::FinalizeOne(int row) {
    const TProcess& record = rows_.Record(row);
    const std::string name = record.Name;
    const OwnedHandle handle = record.OpenForTerminate(system_);
    if (!handle) {
        const std::uint32_t code = system_.GetLastError();
        boxes_.Show("Der Prozess " + Quoted(name) + " kann nicht beendet werden.\r\r" + ErrorCodeText(code),
                    kFinalizeOneCaption, BoxKind::Error);
        return;
    }
    const BoxAnswer answer = boxes_.Show("Sind Sie sicher, dass sie den Prozess " + Quoted(name) + " beenden möchten?",
                                         kConfirmCaption, BoxKind::Confirm);
    if (answer != BoxAnswer::Yes) return;
    if (TProcess::TerminateHandle(system_, handle)) return;
    const std::uint32_t code = system_.GetLastError();
    boxes_.Show("Der Prozess konnte nicht beendet werden.\r\r" + ErrorCodeText(code), kFinalizeOneCaption,
                BoxKind::Error);
}

void ProcessListController::FinalizeSeveral(const std::vector<int>& selected) {
    std::vector<PinnedProcess> pinned;
    pinned.reserve(selected.size());
    for (const int row : selected) {
        PinnedProcess process;
        process.handle = rows_.Record(row).OpenForTerminate(system_);
        if (!process.handle) process.openError = system_.GetLastError();
        pinned.push_back(std::move(process));
    }

    const BoxAnswer answer =
        boxes_.Show("Sind Sie sicher, dass sie diese " + std::to_string(selected.size()) + " Prozesse beenden möchten?",
                    kConfirmCaption, BoxKind::Confirm);
    if (answer != BoxAnswer::Yes) return;

    int failures = 0;
    std::uint32_t lastError = 0;
    for (const PinnedProcess& process : pinned) {
        if (!process.handle) {
            ++failures;
            lastError = process.openError;
        } else if (!TProcess::TerminateHandle(system_, process.handle)) {
            ++failures;
            lastError = system_.GetLastError();
        }
    }
    // Let go of the processes before a box that may stay open for long.
    pinned.clear();

    if (failures == 0) return;
    const std::string head = failures == 1 ? std::string("Ein Prozess konnte nicht beendet werden.")
                                           : std::to_string(failures) + " Prozesse konnten nicht beendet werden.";
    boxes_.Show(head + "\r\r" + ErrorCodeText(lastError), kFinalizeSeveralCaption, BoxKind::Error);
}

ProcessCommandState ProcessListController::SetProcessCommandsEnabled(bool enabled) {
    ProcessCommandState state;
    state.buttonEnabled = enabled;
    state.menuCaption = "Prozess beenden";
    state.menuEnabled = enabled;
    state.priorityEnabled = enabled;
    return state;
}

ProcessCommandState ProcessListController::ProcessViewChange() const {
    const std::size_t count = rows_.SelectedRows().size();
    ProcessCommandState state = SetProcessCommandsEnabled(count > 0);
    if (count == 1) {
        state.buttonCaption = "Prozess beenden";
    } else if (count > 1) {
        state.buttonCaption = "Prozesse beenden";
        state.menuCaption = "Prozesse beenden";
    }
    return state;
}

// The mark follows the Priority text of the first selected row's record
// (as added, or as set by the last successful change), not the column text.
PriorityMarks ProcessListController::ProcessMenuPopup() const {
    const std::vector<int> selected = rows_.SelectedRows();
    PriorityMarks marks;
    if (selected.empty()) return marks;
    marks.change = true;
    const std::string& priority = rows_.Record(selected.front()).Priority;
    // Each item's caption is the name its class gives a record.
    for (const std::uint32_t priorityClass : kPriorityClasses) {
        if (priority == PriorityClassName(priorityClass)) {
            marks.checkedClass = priorityClass;
            break;
        }
    }
    return marks;
}

// Acts on the first selected row only. The refresh afterwards shows the
// new priority; it does nothing when the command arrived during a refresh.
void ProcessListController::SetPriorityItemClick(std::uint32_t tag) {
    const std::vector<int> selected = rows_.SelectedRows();
    if (selected.empty()) return;
    const int row = selected.front();
    const std::string caption = rows_.Text(row, kColumnName);
    if (!rows_.Record(row).SetPriority(system_, tag)) {
        const std::uint32_t code = system_.GetLastError();
        boxes_.Show("Beim Setzen der Priorität des Prozesses " + Quoted(caption) + " trat ein Fehler auf.\r\r" +
                        ErrorCodeText(code),
                    kPriorityCaption, BoxKind::Error);
    }
    UpdateProcessList();
}

}  // namespace velmora
