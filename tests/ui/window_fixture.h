#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <vector>

#include "ui/box_watcher.h"
#include "ui/qt/main_window.h"

namespace candelor::qt::testing {

// Lets the event loop run until the condition holds (at most a few seconds); the result says
// whether it did. For ticks of the real timers, not for measuring time.
template <typename Condition>
bool Eventually(Condition condition) {
  return QTest::qWaitFor(condition, 5000);
}

// A shown, active main window whose messages are real modal boxes, answered by a watcher as a
// user would (OK unless the test says otherwise), and which ends as the program really ends.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<MainWindow>();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->Start();
  }

  // The messages shown so far.
  std::vector<Message> Messages() const { return boxes.Messages(); }
  // The program ended: its window is gone (the event loop it would leave is the test's own).
  bool Ended() const { return !window->isVisible(); }

  QWidget* W(Control c) const { return window->widget(c); }
  QString Text(Control c) const { return QString::fromStdString(window->Text(c)); }
  QLineEdit* Box(Control c) const { return qobject_cast<QLineEdit*>(W(c)); }

  BoxWatcher boxes;
  std::unique_ptr<MainWindow> window;
};

}  // namespace candelor::qt::testing
