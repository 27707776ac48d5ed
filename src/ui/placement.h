#pragma once

namespace candelor {

// A window's outer rectangle in the screen's twips.
struct WindowRect {
  double left = 0, top = 0, width = 0, height = 0;
};

struct Placement {
  float left = 0;  // passed on in single precision
  double top = 0;
};

// Centres a window of outer size width x height over the main window, kept on the screen:
// each difference rounded (ties to even) and halved toward zero, then clamped to the screen's
// right and bottom edges (which may leave a window wider than the screen at a negative left) and
// to 0 at the left and top.
Placement CenterOverMain(const WindowRect& main, double width, double height, double screenWidth,
                         double screenHeight);

}  // namespace candelor
