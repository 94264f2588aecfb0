#pragma once

namespace qtui {

// The Windows virtual key code the programs' key handlers expect for a Qt key (F1 = 112,
// letters as upper-case ASCII, Enter = 13, ...); 0 for a key they have no code for.
int windowsKeyCode(int qtKey);

// Return and Enter, of the main keys or the keypad.
bool isEnterKey(int qtKey);

}  // namespace qtui
