#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <vector>

#include "ui/qt/main_window.h"

namespace candelor::qt::testing {

// Lets the event loop run until the condition holds (at most a few seconds); the result says
// whether it did. For ticks of the real timers, not for measuring time.
template <typename Condition>
bool Eventually(Condition condition) {
  return QTest::qWaitFor(condition, 5000);
}

// A shown, active main window whose messages are answered without a modal box (each one is
// logged; an unexpected one fails the test rather than hanging it) and whose exit is recorded.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<MainWindow>();
    window->messageHook = [this](const Message& m) {
      messages.push_back(m);
      return answer;
    };
    window->exitHook = [this] { exited = true; };
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->Start();
  }

  QWidget* W(Control c) const { return window->widget(c); }
  QString Text(Control c) const { return QString::fromStdString(window->Text(c)); }
  QLineEdit* Box(Control c) const { return qobject_cast<QLineEdit*>(W(c)); }

  std::unique_ptr<MainWindow> window;
  std::vector<Message> messages;
  MessageAnswer answer = MessageAnswer::Ok;
  bool exited = false;
};

}  // namespace candelor::qt::testing
