#pragma once

class QKeyEvent;

// The character code a key press types, the way a character-input event sees it:
// Backspace 8, Enter 13, Esc 27, otherwise the first character of the typed text.
// -1 for presses that type nothing (arrows, function keys) and for Ctrl or Alt
// combinations, which belong to the widget (copy, select all).
int TypedCharacterCode(const QKeyEvent &event);

// Printable: everything from the space on, except DEL.
inline bool IsPrintableCode(int code) { return code >= 0x20 && code != 0x7f; }
