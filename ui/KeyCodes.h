#pragma once

namespace ui {

// Key codes as the program's handlers expect them: letters and digits are their upper-case character
// codes, the comma is 188 and the full stop 190, and the usual navigation keys keep their classic codes.
// Keys without such a code give 0.
int programKeyCode(int qtKey);

inline constexpr int KeyComma = 188;
inline constexpr int KeyFullStop = 190;

} // namespace ui
