// The input box of the run dialog as a value: its text, the selected range
// of its edit field and the current entry of its drop-down list. The window
// layer reads the box into an EditState, calls one of these functions and
// writes the result back: current entry first (selecting an entry replaces
// the edit text), then the text, then the selection. Any text change is
// followed by OkEnabled (ExecuteModel.h), since no change notification
// comes for text set by the program.
#pragma once

#include "ui/run/CommandHistory.h"

#include <string>

namespace velmora {

// The text is well-formed UTF-8, as the window layer converts it from the
// box's UTF-16. The selection is kept in bytes, on code point boundaries;
// the window layer maps it to and from UTF-16 units.
struct EditState {
    std::string text;
    int selStart = 0;  // byte offsets into text; caret = selEnd when empty
    int selEnd = 0;
    int currentIndex = -1;  // current history entry, -1 for none
};

// The state clamped to what a box can hold: 0 <= selStart <= selEnd <=
// text length, both at the start of a code point (an offset inside one
// moves to its start), currentIndex within the history or -1.
EditState Normalized(const CommandHistory& history, EditState box);

// Completion after a keystroke other than Backspace or Delete: when the caret
// stands at the end of a non-empty text of k code points and a history
// entry's first k code points equal that text apart from letter case, the
// rest of the entry (whole code points) is appended and selected and the
// entry becomes current. The typed characters keep their letter case.
EditState Complete(const CommandHistory& history, EditState afterTyping);

// Deletes the selected text, or the code point before the caret when nothing
// is selected, and clears the current entry.
EditState Backspace(EditState box);

// Adds the box's text to the history unless an equal entry exists and makes
// that entry current. Only when this changes the current entry does the box
// show the entry's own text (with its letter case), wholly selected.
EditState Remember(CommandHistory& history, EditState box);

}  // namespace velmora
