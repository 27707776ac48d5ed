#include "ui/qt/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QGroupBox>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "ui/qt/message_box.h"
#include "ui/qt/plan_window.h"
#include "ui/qt/twips.h"
#include "ui/qt/voice.h"

namespace candelor::qt {

QIcon ApplicationIcon() {
  if (QApplication::windowIcon().isNull()) {
    // Decoded as the PNG it is: asked to guess, Qt loads every image plugin to ask each.
    QImageReader reader(QStringLiteral(":/candelor-64.png"), "PNG");
    reader.setAutoDetectImageFormat(false);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(reader.read()));
    QApplication::setWindowIcon(icon);
  }
  return QApplication::windowIcon();
}

std::optional<Control> MainWindow::ControlOf(const QObject* o) const {
  // A scan of the registered widgets: every event of a box passes here, and a named property's
  // lookup cost as much as the rest of the filter.
  if (!o) return std::nullopt;
  const auto found = std::find(widgets_.begin(), widgets_.end(), o);
  if (found == widgets_.end()) return std::nullopt;
  return static_cast<Control>(found - widgets_.begin());
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Candelor - Zonal Cavity Method"));
  setWindowIcon(ApplicationIcon());
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(8);
  setFont(font);
  InstallAccessibleFactory();
  {
    // A line edit lays out its text in the application's font before it takes the window's, and
    // that would load a second font (some 5 M instructions) for a layout never drawn. The window's
    // font is the application's while the controls are made; message boxes keep the desktop's.
    const QFont desktopFont = QApplication::font();
    QApplication::setFont(font);
    BuildControls();
    QApplication::setFont(desktopFont);
  }
  BuildMenus();
  // A compositor places a window when it maps and would place it again at a new size, so there
  // the window has its size before it is first shown.
  if (!CanPlaceWindows()) FixSize();

  clock_.start();
  minute_.setSingleShot(true);
  connect(&minute_, &QTimer::timeout, &alive_, [this] { TickMayChange(); });
  for (int i = 0; i < 4; ++i) {
    timers_[i].setInterval(TimerInterval(static_cast<Timer>(i)));
    // A solving ticker wakes once for the next step; it is armed again by what changes.
    timers_[i].setSingleShot(i < 2);
    // Named children, so that those who watch them tick (the replay) find them.
    timers_[i].setParent(this);
    timers_[i].setObjectName(QStringLiteral("Timer%1").arg(i + 1));
    // Precise: a coarse timer may run 5 % late, past the 50 ms every result is promised in.
    timers_[i].setTimerType(Qt::PreciseTimer);
    connect(&timers_[i], &QTimer::timeout, &alive_, [this, i] {
      const auto t = static_cast<Timer>(i);
      if (!TickSchedule::Solving(t)) return calc_.TimerFired(t);
      schedule_.Ticking();
      calc_.TimerFired(t);
      // Gone to sleep: the clock line's next minute is the next thing a tick reads.
      if (!timers_[i].isActive()) ArmMinute();
    });
  }

  new CaretRest(this);

  Program = QStringLiteral("Candelor");
  Version = QStringLiteral("Version: %1.%2.%3")
                .arg(CANDELOR_VERSION_MAJOR)
                .arg(CANDELOR_VERSION_MINOR)
                .arg(CANDELOR_VERSION_PATCH);
  Copyrt = QStringLiteral("Copyright (C) 2026 Tavrin Group Inc. All rights reserved.");

  widget(Control::RL)->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() {
  // The modeless windows are windows of their own, not children of this one.
  delete howto_;
  delete disclaimer_;
  delete plan_;
}

void MainWindow::Register(Control c, QWidget* w) {
  widgets_[static_cast<int>(c)] = w;
  w->setObjectName(FromUtf8(ControlName(c)));
  w->installEventFilter(this);
  w->setMouseTracking(true);
}

void MainWindow::Start() {
  // Outer size (a compositor had it before the window mapped), and centring on the screen where
  // the program places its windows.
  if (CanPlaceWindows()) {
    FixSize();
    Centre();
    shown_.start();
    // A frame that only grows or shrinks moves nothing, so it is looked at too.
    framing_.setInterval(100);
    connect(&framing_, &QTimer::timeout, &alive_, [this] { CentreAgainIfFramed(); });
    framing_.start();
  }
  calc_.Start();
}

void MainWindow::FixSize() {
  setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
  LetCompositorEnlarge(this);
}

void MainWindow::Centre() {
  QScreen* screen = this->screen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  const QRect frame = frameGeometry();
  move(available.left() + (available.width() - frame.width()) / 2,
       available.top() + (available.height() - frame.height()) / 2);
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  CentreAgainIfFramed();
}

void MainWindow::CentreAgainIfFramed() {
  // A window manager adds its frame after the window is shown, and may settle its size in more
  // than one step, some of which move nothing: while the window is new, centre the outer frame
  // again whenever it changes, so that the window does not sit half a title bar off.
  const QMargins frame(
      geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
      frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
  if (!shown_.isValid() || shown_.elapsed() >= 5000) return framing_.stop();
  if (frame == centredFrame_) return;
  centredFrame_ = frame;
  Centre();
}

void MainWindow::FocusArrived(Control c) {
  // Only a move of the focus between the window's own controls is a change of focus: the focus
  // coming back from a menu, a message box or another window is not.
  if (c == focused_) return;
  const Control old = focused_;
  focused_ = c;
  if (old != Control::Background) calc_.FocusLost(old);
  calc_.FocusGained(c);
}

void MainWindow::NoteChange(Control written) {
  if (voice_) voice_->Changed(written, focused_);
  TickMayChange();
  if (plan_) plan_->Refresh();
}

void MainWindow::EndProgram() {
  for (auto& t : timers_) t.stop();
  schedule_ = {};
  minute_.stop();
  hide();  // at once, while the event loop winds down
  QApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The close box ends the program at once, also while a how-to or disclaimer window is open.
  event->accept();
  EndProgram();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* w = qobject_cast<QWidget*>(watched);
  const std::optional<Control> control = ControlOf(watched);
  if (!w || !control) return QMainWindow::eventFilter(watched, event);
  const Control c = *control;
  const bool textBox = IsTextBox(c);
  switch (event->type()) {
    case QEvent::MouseMove:
      calc_.MouseOver(c);
      // A label or group answers for itself; the parent group must not repeat its own hint.
      return !textBox && !qobject_cast<QAbstractButton*>(w);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton || textBox || qobject_cast<QAbstractButton*>(w) ||
          c == Control::Stat) {
        break;
      }
      // A click on a term is a press and a release on it: sliding off before the release
      // cancels, as with any button.
      if (event->type() == QEvent::MouseButtonPress) {
        pressed_ = c;
      } else if (std::exchange(pressed_, Control::Background) == c &&
                 w->rect().contains(mouse->position().toPoint())) {
        calc_.ControlClicked(c);
      }
      return true;
    }
    case QEvent::FocusIn:
      if (!textBox) FocusArrived(c);
      break;
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      // F1 explains the term of the focused box; the key still reaches the box.
      if (key == Qt::Key_F1) calc_.HelpRequested(c);
      // Every arrow moves the unit choice to the other option (Qt would go by screen position,
      // so that only one arrow of four did anything).
      const bool arrow =
          key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
      if (arrow && (c == Control::Imperial || c == Control::Metric)) {
        auto* other = static_cast<QAbstractButton*>(
            widget(c == Control::Imperial ? Control::Metric : Control::Imperial));
        other->setFocus(Qt::OtherFocusReason);
        other->setChecked(true);
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

std::string MainWindow::Text(Control c) const {
  QWidget* w = widget(c);
  QString text;
  if (auto* e = qobject_cast<QLineEdit*>(w)) {
    text = e->text();
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    text = l->text();
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    text = b->text();
  } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
    text = g->title();
  }
  return text.toStdString();
}

void MainWindow::SetText(Control c, std::string_view text) {
  QWidget* w = widget(c);
  const QString t = FromUtf8(text);
  if (auto* e = dynamic_cast<BoxEdit*>(w)) {
    if (e->hasFocus()) return e->WriteText(t);
    WriteUnheard(e, t);
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    if (l->text() == t) return;  // an unchanged result repaints nothing
    l->setText(t);
    // The clock line and the hint panel are nothing a screen reader announces; waking the
    // announcer for them would cost an idle window a look at every name each second.
    if (c != Control::LabelTime && c != Control::Stat) NoteChange();
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    if (b->text() == t) return;
    b->setText(t);
    NoteChange();
    if (c == Control::LU) voice_->Describe(c);  // its hint names the other unit
  }
}

Selection MainWindow::GetSelection(Control c) const {
  auto* e = qobject_cast<QLineEdit*>(widget(c));
  if (!e) return {};
  if (!e->hasSelectedText()) return {e->cursorPosition(), 0};
  return {e->selectionStart(), static_cast<int>(e->selectedText().size())};
}

void MainWindow::Select(Control c, int start, int length) {
  auto* e = qobject_cast<QLineEdit*>(widget(c));
  if (!e) return;
  const int size = static_cast<int>(e->text().size());
  start = std::clamp(start, 0, size);
  length = std::clamp(length, 0, size - start);
  e->setSelection(start, length);
}

void MainWindow::Focus(Control c) {
  QWidget* w = widget(c);
  if (!w) return;
  w->setFocus(Qt::OtherFocusReason);
  // While a message box or a menu holds the keyboard the box gets no focus event until the
  // window is active again; the logic hears of the change now, as it was asked for.
  FocusArrived(c);
}

Control MainWindow::Focused() const {
  // The window's own focus, also while a menu or box is active.
  return ControlOf(focusWidget()).value_or(Control::Background);
}

void MainWindow::SetAlignment(Control c, Alignment a) {
  if (auto* l = qobject_cast<QLabel*>(widget(c))) {
    l->setAlignment(a == Alignment::CentreMiddle ? Qt::AlignCenter
                                                 : (Qt::AlignLeft | Qt::AlignVCenter));
  }
}

void MainWindow::StartTimer(Timer t) {
  if (IsTimerRunning(t)) return;
  if (TickSchedule::Solving(t)) {
    schedule_.Start(t, clock_.elapsed());
  } else {
    timers_[static_cast<int>(t)].start();
  }
  NoteChange();  // which box is solved may have changed; the new ticker's first step is due
}

void MainWindow::StopTimer(Timer t) {
  if (!IsTimerRunning(t)) return;
  if (TickSchedule::Solving(t)) schedule_.Stop(t);
  timers_[static_cast<int>(t)].stop();
  NoteChange();
}

bool MainWindow::IsTimerRunning(Timer t) const {
  return TickSchedule::Solving(t) ? schedule_.Running(t) : timers_[static_cast<int>(t)].isActive();
}

void MainWindow::TickMayChange() {
  schedule_.Changed();
  ArmTick(Timer::Timer1);
  ArmTick(Timer::Timer2);
}

void MainWindow::ArmTick(Timer t) {
  QTimer& timer = timers_[static_cast<int>(t)];
  const qint64 now = clock_.elapsed();
  const std::optional<std::int64_t> due = schedule_.Due(t, now);
  if (!due || timer.isActive()) return;
  timer.start(static_cast<int>(*due - now));
}

void MainWindow::ArmMinute() {
  // The clock line shows minutes: the next one is something a tick reads.
  const QTime now = QTime::currentTime();
  minute_.start((60 - now.second()) * 1000 - now.msec() + 1);
}

MessageAnswer MainWindow::ShowMessage(const Message& m) {
  // A held spin arrow must not go on stepping behind the box, nor after it.
  for (SpinArrows* arrows : spins_) arrows->Release();
  QMessageBox::Icon icon = m.icon == MessageIcon::Information ? QMessageBox::Information
                           : m.icon == MessageIcon::Error     ? QMessageBox::Critical
                                                              : QMessageBox::Warning;
  // Explanations (the information messages) show each of their lines as given.
  MessageBox box(icon, FromUtf8(m.title), FromUtf8(m.text), m.icon == MessageIcon::Information,
                 this);
  box.setWindowIcon(windowIcon());
  if (m.buttons == MessageButtons::OkCancel) {
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  // The plan is put on hold while a complaint about the data waits, and follows again after.
  if (plan_) plan_->Refresh();
  const bool ok = box.exec() == QMessageBox::Ok;
  // What waited for the answer: the voice's news, a tick that found the message open, the plan.
  NoteChange();
  return ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

bool MainWindow::PutOnClipboard(std::string_view text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  const QString t = FromUtf8(text);
  clipboard->clear();
  clipboard->setText(t);
  return clipboard->text() == t;
}

LocalDateTime MainWindow::Now() const {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), d.dayOfWeek() % 7};
}

// The user's locale (QLocale() is the system locale unless a test pins another).
std::string MainWindow::LocaleDate(const LocalDateTime& t) const {
  const QLocale locale;
  QString format = locale.dateFormat(QLocale::ShortFormat);
  // The year always in four digits.
  if (!format.contains(QStringLiteral("yyyy"))) {
    format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
  }
  return locale.toString(QDate(t.year, t.month, t.day), format).toStdString();
}

std::string MainWindow::LocaleTime(const LocalDateTime& t) const {
  const QLocale locale;
  // The long time with seconds, without the time-zone name (the unquoted "t" of the format).
  const QString long_ = locale.timeFormat(QLocale::LongFormat);
  QString format;
  bool quoted = false;
  for (QChar c : long_) {
    if (c == QLatin1Char('\'')) quoted = !quoted;
    if (quoted || c != QLatin1Char('t')) format += c;
  }
  return locale.toString(QTime(t.hour, t.minute, t.second), format.trimmed()).toStdString();
}

}  // namespace candelor::qt
