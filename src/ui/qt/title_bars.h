#pragma once

namespace candelor::qt {

// Chooses who draws the windows' title bars on Wayland: the compositor where it offers to, the
// program elsewhere. Never Qt 6.4, which would start EGL to ask whether it may, bringing in some
// 50 MB of Mesa's renderer and its LLVM that a window of widgets painted in software never uses.
// Call after the application object is made and before the first window is.
void ChooseTitleBars();

}  // namespace candelor::qt
