// Shared main of the widget tests: the offscreen platform unless a display is chosen.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/quiet_offscreen.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(candelor::testing::QuietOffscreen);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
