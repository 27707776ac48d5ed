#include "ui/qt/widgets.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>
#include <limits>

namespace candelor::qt {

// Keeps what the user types or pastes within the box's typing limit: a typed character that
// would make the text longer than the limit is refused, a paste is cut to fit. What stays of the
// old text counts (a program write may have left it longer than the limit); deleting is always
// allowed. Program writes pass untouched.
class TypingLimit : public QValidator {
 public:
  TypingLimit(BoxEdit* box, int limit) : QValidator(box), box_(box), limit_(limit) {}

  State validate(QString& input, int& pos) const override {
    if (box_->programWrites_ > 0 || input.size() <= limit_) return Acceptable;
    // An edit replaces the selection it found (if any) by what it inserts, which ends at the
    // cursor: the old text less that selection is what stays of it, whatever it shares with
    // what was inserted.
    const qsizetype kept = box_->lastText_.size() - box_->lastSelected_;
    const qsizetype inserted = input.size() - kept;
    if (inserted <= 0) return Acceptable;
    if (box_->typing_) return Invalid;
    const qsizetype room = std::max<qsizetype>(0, limit_ - kept);
    input.remove(pos - inserted + room, inserted - room);
    pos = static_cast<int>(pos - inserted + room);
    return Acceptable;
  }

 private:
  BoxEdit* box_;
  int limit_;
};

BoxEdit::BoxEdit(Control control, QWidget* parent) : QLineEdit(parent), control_(control) {
  setMaxLength(std::numeric_limits<int>::max());  // the job, luminaires and level have no limit
  const int limit = candelor::TypingLimit(control);
  if (limit > 0) setValidator(new TypingLimit(this, limit));
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
    // An edit the typing limit undid ends where it began: no change, no commit.
    if (text == lastText_) return;
    lastText_ = text;
    emit edited();
  });
  // The validator runs before the box reports the selection its edit took away.
  connect(this, &QLineEdit::selectionChanged, this,
          [this] { lastSelected_ = selectedText().size(); });
}

void BoxEdit::WriteText(const QString& text) {
  // setText would drop the selection (a Tab's select-all) even for the same text.
  if (text == this->text()) return;
  ++programWrites_;
  setText(text);
  --programWrites_;
}

void BoxEdit::keyPressEvent(QKeyEvent* e) {
  Key key = e->key() == Qt::Key_Up ? Key::Up : e->key() == Qt::Key_Down ? Key::Down : Key::Other;
  emit keyPressed(key);
  const QString typed = e->text();
  typing_ = !typed.isEmpty() && typed.front().isPrint() && !(e->modifiers() & Qt::ControlModifier);
  QLineEdit::keyPressEvent(e);
  typing_ = false;
}

void BoxEdit::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  // The window decides whether this is a change of focus between its own controls.
  emit focusGained();
}

void BoxEdit::focusOutEvent(QFocusEvent* e) {
  // The menu bar taking the keyboard for its menus is no reason to lose the selection, any more
  // than a menu popping up is.
  if (e->reason() == Qt::MenuBarFocusReason) {
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    return QLineEdit::focusOutEvent(&popup);
  }
  QLineEdit::focusOutEvent(e);
}

void BoxEdit::mousePressEvent(QMouseEvent* e) {
  QLineEdit::mousePressEvent(e);
  // Any button is a click into the box: a right button's menu may paste and a middle button
  // pastes the selection, and the value pasted into the solved box must not be solved away.
  emit clicked();
}

void BoxEdit::dropEvent(QDropEvent* e) {
  // A text dropped from another program is the user's value, as if typed after a click.
  emit clicked();
  QLineEdit::dropEvent(e);
}

SpinArrows::SpinArrows(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto arrow = [this, layout](Qt::ArrowType type, void (SpinArrows::*stepped)()) {
    auto* button = new QToolButton(this);
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // A repeat emits pressed again; the release emits nothing that steps.
    connect(button, &QToolButton::pressed, this, stepped);
    layout->addWidget(button);
    return button;
  };
  up_ = arrow(Qt::UpArrow, &SpinArrows::steppedUp);
  down_ = arrow(Qt::DownArrow, &SpinArrows::steppedDown);
}

void SpinArrows::Release() {
  for (QToolButton* button : {up_, down_}) {
    if (!button->isDown()) continue;
    button->setDown(false);  // stops the repeat
    // The button still counts itself pressed until a release: one outside it clicks nothing.
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), QPointF(-1, -1),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &release);
  }
}

HintPanel::HintPanel(QWidget* parent) : QLabel(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setMouseTracking(true);
}

void HintPanel::mousePressEvent(QMouseEvent* e) {
  pressed_ = e->button() == Qt::LeftButton;
}

void HintPanel::mouseReleaseEvent(QMouseEvent* e) {
  // Sliding off before the release cancels, as with any button.
  const bool click =
      pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  pressed_ = false;
  if (click) emit clicked();
}

bool CanPlaceWindows() {
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void LetCompositorEnlarge(QWidget* window) {
  if (!CanPlaceWindows()) window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

CaretRest::CaretRest(QObject* parent)
    : QObject(parent), flashTime_(QGuiApplication::styleHints()->cursorFlashTime()) {
  rest_.setSingleShot(true);
  rest_.setInterval(10000);
  connect(&rest_, &QTimer::timeout, this,
          [] { QGuiApplication::styleHints()->setCursorFlashTime(0); });
  qApp->installEventFilter(this);
  rest_.start();
}

CaretRest::~CaretRest() {
  QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
}

bool CaretRest::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::InputMethod:
    case QEvent::Wheel:
      if (QGuiApplication::styleHints()->cursorFlashTime() != flashTime_)
        QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
      rest_.start();
      break;
    default:
      break;
  }
  return false;
}

}  // namespace candelor::qt
