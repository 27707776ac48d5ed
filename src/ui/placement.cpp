#include "ui/placement.h"

#include <cmath>

#include "core/text.h"

namespace candelor {
namespace {

double Place(double mainStart, double mainSize, double size, double screenSize) {
  double x = std::trunc(RoundHalfEven(mainSize - size) / 2) + mainStart;
  if (x > 0) {
    if (x >= screenSize - size) x = screenSize - size;
  } else {
    x = 0;
  }
  return x;
}

}  // namespace

Placement CenterOverMain(const WindowRect& main, double width, double height, double screenWidth,
                         double screenHeight) {
  return {static_cast<float>(Place(main.left, main.width, width, screenWidth)),
          Place(main.top, main.height, height, screenHeight)};
}

}  // namespace candelor
