#pragma once
// A typed character as the program's key press handlers see it: its code in the system code page
// (Backspace 8, Enter 13), and the code a handler returns put back into a line edit.

#include <QKeyEvent>
#include <QLineEdit>

#include <functional>

namespace qtui {

// The key's character code, 0 for a key that types nothing (arrows, function keys, shortcuts).
int typedCode(const QKeyEvent& event);

// Runs a typed key through `keyPress` (the control's user key press, answering the code to apply).
// Returns true when the key was dealt with here (discarded, or replaced by another character that was
// put into `edit`), false when Qt should handle it as typed.
bool filterTypedKey(QKeyEvent& event, QLineEdit* edit, const std::function<int(int)>& keyPress);

} // namespace qtui
