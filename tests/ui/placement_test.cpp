#include "ui/placement.h"

#include <gtest/gtest.h>

namespace candelor {
namespace {

struct PlacementCase {
  const char* name;
  WindowRect main;
  double width, height, screenWidth, screenHeight;
  float left;
  double top;
};

TEST(CenterOverMain, CentresRoundsAndKeepsOnTheScreen) {
  const PlacementCase cases[] = {
      {"centred", {1000, 1000, 9000, 6000}, 6600, 3000, 19200, 14400, 2200, 2500},
      {"odd difference halves toward zero",
       {0, 0, 9001, 6001},
       6600,
       3000,
       19200,
       14400,
       1200,
       1500},
      {"right edge touches the screen",
       {15000, 1000, 9000, 6000},
       6600,
       3000,
       19200,
       14400,
       12600,
       2500},
      {"partly off the left edge", {-3000, -3000, 4000, 4000}, 6600, 3000, 19200, 14400, 0, 0},
      {"wider than the screen", {12000, 1000, 9000, 6000}, 20000, 3000, 19200, 14400, -800, 2500},
      {"bottom edge", {1000, 13000, 9000, 6000}, 6600, 3000, 19200, 14400, 2200, 11400},
      {"ties to even before halving", {0, 0, 6600.5, 3000.5}, 0, 0, 19200, 14400, 3300, 1500},
  };
  for (const auto& c : cases) {
    Placement p = CenterOverMain(c.main, c.width, c.height, c.screenWidth, c.screenHeight);
    EXPECT_EQ(p.left, c.left) << c.name;
    EXPECT_EQ(p.top, c.top) << c.name;
  }
}

}  // namespace
}  // namespace candelor
