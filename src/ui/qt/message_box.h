#pragma once

#include <QMessageBox>

namespace candelor::qt {

// A modal message box for the calculator's messages: plain text, and, when asked, every line
// shown as given, never wrapped at the box's own width (QMessageBox wraps anything wider than
// half the screen or 500 pixels).
class MessageBox : public QMessageBox {
 public:
  MessageBox(Icon icon, const QString& title, const QString& text, bool linesAsGiven,
             QWidget* parent);

  // Whether the box shows each line of its text as given.
  bool linesAsGiven() const { return linesAsGiven_; }

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  void Unwrap();
  bool linesAsGiven_;
};

}  // namespace candelor::qt
