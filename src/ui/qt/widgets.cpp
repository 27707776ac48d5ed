#include "ui/qt/widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

namespace candelor::qt {

// Refuses what would make a user's edit longer than the box's typing limit; a paste is cut to
// fit. Program writes pass untouched.
class TypingLimit : public QValidator {
 public:
  TypingLimit(BoxEdit* box, int limit) : QValidator(box), box_(box), limit_(limit) {}

  State validate(QString& input, int& pos) const override {
    if (box_->programWrites_ > 0) return Acceptable;
    const qsizetype size = input.size();
    const qsizetype allowed = std::max<qsizetype>(limit_, box_->lastText_.size());
    if (size <= limit_ || size <= box_->lastText_.size()) return Acceptable;
    const qsizetype excess = size - allowed;
    if (pos < excess) return Invalid;
    input.remove(pos - excess, excess);  // the inserted text ends at the cursor
    pos -= static_cast<int>(excess);
    return Acceptable;
  }

 private:
  BoxEdit* box_;
  int limit_;
};

BoxEdit::BoxEdit(Control control, const ControlEvents& events, QWidget* parent)
    : QLineEdit(parent), control_(control), events_(events) {
  const int limit = candelor::TypingLimit(control);
  if (limit > 0) setValidator(new TypingLimit(this, limit));
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
    lastText_ = text;
    if (events_.textChanged) events_.textChanged(control_);
  });
}

void BoxEdit::WriteText(const QString& text) {
  ++programWrites_;
  setText(text);
  --programWrites_;
}

void BoxEdit::keyPressEvent(QKeyEvent* e) {
  Key key = e->key() == Qt::Key_Up ? Key::Up : e->key() == Qt::Key_Down ? Key::Down : Key::Other;
  if (events_.keyDown) events_.keyDown(control_, key);
  QLineEdit::keyPressEvent(e);
}

void BoxEdit::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  if (events_.focusGained) events_.focusGained(control_);
}

void BoxEdit::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  if (events_.focusLost) events_.focusLost(control_);
}

void BoxEdit::mousePressEvent(QMouseEvent* e) {
  QLineEdit::mousePressEvent(e);
  if (e->button() == Qt::LeftButton && events_.clicked) events_.clicked(control_);
}

SpinArrows::SpinArrows(std::function<void()> down, std::function<void()> up, QWidget* parent)
    : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto arrow = [this, layout](Qt::ArrowType type, std::function<void()> step) {
    auto* button = new QToolButton(this);
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(button, &QToolButton::clicked, this, [step] { step(); });
    layout->addWidget(button);
  };
  arrow(Qt::UpArrow, std::move(up));
  arrow(Qt::DownArrow, std::move(down));
}

HintPanel::HintPanel(std::function<void()> clicked, QWidget* parent)
    : QLabel(parent), clicked_(std::move(clicked)) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setMouseTracking(true);
}

void HintPanel::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && clicked_) clicked_();
}

}  // namespace candelor::qt
