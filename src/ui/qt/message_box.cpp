#include "ui/qt/message_box.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLayout>

#include "ui/qt/widgets.h"

namespace candelor::qt {

MessageBox::MessageBox(Icon icon, const QString& title, const QString& text, bool linesAsGiven,
                       QWidget* parent)
    : QMessageBox(icon, title, text, NoButton, parent), linesAsGiven_(linesAsGiven) {
  setTextFormat(Qt::PlainText);
}

bool MessageBox::event(QEvent* e) {
  const bool result = QMessageBox::event(e);
  // QMessageBox sizes itself again, wrapping, on every layout request.
  if (e->type() == QEvent::LayoutRequest) {
    Unwrap();
    LetCompositorEnlarge(this);
  }
  return result;
}

void MessageBox::showEvent(QShowEvent* e) {
  QMessageBox::showEvent(e);
  Unwrap();
  LetCompositorEnlarge(this);
}

void MessageBox::Unwrap() {
  if (!linesAsGiven_) return;
  auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (!label || !label->wordWrap()) return;
  label->setWordWrap(false);
  layout()->activate();
  setFixedSize(layout()->totalMinimumSize());
  // The wrap just undone asked for another layout; it would only wrap again.
  QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
}

}  // namespace candelor::qt
