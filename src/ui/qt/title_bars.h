#pragma once

namespace candelor::qt {

// On a Wayland compositor that draws the windows' title bars itself, tells Qt not to ask
// whether it may draw them. Qt 6.4 asks by starting EGL, which brings in some 50 MB of Mesa's
// renderer and its LLVM that a window of widgets painted in software never uses. Call after the
// application object is made and before the first window is.
void LeaveTitleBarsToCompositor();

}  // namespace candelor::qt
