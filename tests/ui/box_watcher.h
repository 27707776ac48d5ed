#pragma once

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/form.h"

namespace candelor::qt::testing {

// Answers the calculator's real modal message boxes as a user does, with a key (Return for OK,
// Escape for Cancel), and notes each one as it was shown. It looks every 2 ms, so it works inside
// the box's own event loop.
class BoxWatcher {
 public:
  struct Shown {
    Message message;
    MessageAnswer answer = MessageAnswer::Ok;
    bool linesAsGiven = true;  // an explanation shows each of its lines unwrapped
    bool operator==(const Shown&) const = default;
  };

  std::deque<MessageAnswer> answers;           // for the next boxes, in order
  MessageAnswer fallback = MessageAnswer::Ok;  // when no answer is queued
  std::vector<Shown> shown;
  // Runs while the box is open, before it is answered.
  std::function<void(QMessageBox*)> whileOpen;
  // Gives the box its answering key; unset, the key is sent into Qt's event loop.
  std::function<void(QMessageBox*, Qt::Key)> press;

  BoxWatcher() {
    timer_.setInterval(2);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
    timer_.start();
  }

  std::vector<Message> Messages() const {
    std::vector<Message> out;
    for (const Shown& s : shown) out.push_back(s.message);
    return out;
  }

 private:
  void Look() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box == answering_ || !box->isVisible() || !box->windowHandle()) return;
    answering_ = box;
    Shown s;
    s.message.text = box->text().toStdString();
    s.message.title = box->windowTitle().toStdString();
    s.message.icon = box->icon() == QMessageBox::Information ? MessageIcon::Information
                     : box->icon() == QMessageBox::Critical  ? MessageIcon::Error
                                                             : MessageIcon::Warning;
    s.message.buttons = box->standardButtons() == (QMessageBox::Ok | QMessageBox::Cancel)
                            ? MessageButtons::OkCancel
                            : MessageButtons::Ok;
    if (s.message.icon == MessageIcon::Information) {
      auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
      s.linesAsGiven = label && !label->wordWrap();
    }
    s.answer = fallback;
    if (!answers.empty()) {
      s.answer = answers.front();
      answers.pop_front();
    }
    shown.push_back(s);
    if (whileOpen) whileOpen(box);
    const Qt::Key key = s.answer == MessageAnswer::Ok ? Qt::Key_Return : Qt::Key_Escape;
    if (box && press) press(box, key);
    if (box && !press) QTest::keyClick(box->windowHandle(), key);
  }

  QTimer timer_;
  QPointer<QMessageBox> answering_;
};

}  // namespace candelor::qt::testing
