// The look the program's windows were designed for: the classic desktop colours the model resolves its
// system colours to, the model's default font, and one widget style on every machine so that a picture of
// a window is the same wherever it is taken.
#pragma once

namespace fv {

// Call once, after the QApplication exists and before any window is made.
void ApplyDesktopLook();

}  // namespace fv
