#include "ui/run/HistoryBox.h"

#include "base/Utf8.h"

#include <algorithm>
#include <utility>

namespace velmora {

namespace {

int Length(const std::string& text) {
    return static_cast<int>(text.size());
}

// An offset clamped to the text and moved back to the start of the code
// point it points into.
int ClampOffset(const std::string& text, int offset) {
    const int clamped = std::clamp(offset, 0, Length(text));
    return static_cast<int>(CodePointStart(text, static_cast<std::size_t>(clamped)));
}

// The selection alone, clamped to the text; a reversed range is ordered.
void ClampSelection(EditState& box) {
    box.selStart = ClampOffset(box.text, box.selStart);
    box.selEnd = ClampOffset(box.text, box.selEnd);
    if (box.selStart > box.selEnd) std::swap(box.selStart, box.selEnd);
}

}  // namespace

EditState Normalized(const CommandHistory& history, EditState box) {
    ClampSelection(box);
    if (box.currentIndex < 0 || box.currentIndex >= history.Count()) box.currentIndex = -1;
    return box;
}

// Only a caret at the end completes: the appended rest would otherwise land
// in the middle of what the user is editing. An empty text would match every
// entry, so it completes nothing either.
EditState Complete(const CommandHistory& history, EditState afterTyping) {
    EditState box = Normalized(history, std::move(afterTyping));
    const int typedLength = Length(box.text);
    if (typedLength == 0 || box.selStart != typedLength || box.selEnd != typedLength) return box;

    const int found = history.FindPrefix(box.text);
    if (found < 0) return box;

    // The entry's own spelling of the typed part may take other bytes.
    const std::string& entry = history.Entry(found);
    box.text.append(entry, CodePointOffset(entry, CodePointCount(box.text)));
    box.selStart = typedLength;
    box.selEnd = Length(box.text);
    box.currentIndex = found;
    return box;
}

EditState Backspace(EditState box) {
    ClampSelection(box);
    if (box.selStart < box.selEnd) {
        box.text.erase(static_cast<std::size_t>(box.selStart), static_cast<std::size_t>(box.selEnd - box.selStart));
    } else if (box.selStart > 0) {
        const std::size_t caret = static_cast<std::size_t>(box.selStart);
        const std::size_t start = PreviousCodePointStart(box.text, caret);
        box.text.erase(start, caret - start);
        box.selStart = static_cast<int>(start);
    }
    box.selEnd = box.selStart;
    box.currentIndex = -1;
    return box;
}

EditState Remember(CommandHistory& history, EditState box) {
    box = Normalized(history, std::move(box));
    const int entry = history.Add(box.text);
    if (entry == box.currentIndex) return box;

    box.currentIndex = entry;
    box.text = history.Entry(entry);
    box.selStart = 0;
    box.selEnd = Length(box.text);
    return box;
}

}  // namespace velmora
