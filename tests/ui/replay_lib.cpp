// How a script is played on both forms and compared (replay.h says what it does).
#include "ui/replay.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <deque>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <sstream>

#include "support/harness.h"
#include "support/script.h"
#include "ui/box_watcher.h"
#include "ui/qt/main_window.h"
#include "ui/qt/message_box.h"
#include "ui/qt/twips.h"
#include "ui/qt/widgets.h"
#include "ui/seat.h"

namespace candelor::qt::replay {

using candelor::testing::HeadlessPlayer;
using candelor::testing::ScriptEvent;
using candelor::testing::Target;

using Shown = qt::testing::BoxWatcher::Shown;

namespace {

// Where a seat is given (replay.cpp: on Wayland), every key and mouse event goes through it.
Seat* seat = nullptr;

}  // namespace

void UseSeat(Seat* s) {
  seat = s;
}

namespace {

// Everything the two forms are compared by.
struct Snapshot {
  std::array<std::string, kControlCount> texts;
  Control focused = Control::Background;
  Selection selection;
  Alignment alignment = Alignment::LeftMiddle;
  std::array<bool, 4> tickers{};
  std::vector<Shown> messages;
  std::string clipboard;
  bool exited = false;
};

// The clipboard as compared: a report's timestamp is a virtual clock's on one form and a real
// one's on the other.
inline std::string Comparable(std::string text) {
  static constexpr std::string_view kStamp = "Lighting Calculations - Date: ";
  const std::size_t at = text.find(kStamp);
  if (at == std::string::npos) return text;
  const std::size_t from = at + kStamp.size();
  const std::size_t end = text.find('\r', from);
  text.replace(from, end == std::string::npos ? std::string::npos : end - from, "(time)");
  return text;
}

inline std::string Describe(const Shown& s) {
  std::string out = "\"" + s.message.text + "\" / \"" + s.message.title + "\" icon " +
                    std::to_string(static_cast<int>(s.message.icon)) + " buttons " +
                    std::to_string(static_cast<int>(s.message.buttons)) + " answer " +
                    (s.answer == MessageAnswer::Ok ? "OK" : "Cancel");
  if (!s.linesAsGiven) out += " (lines re-wrapped)";
  return out;
}

// The differences between the headless form (a) and the real window (b), one a line.
inline std::string Differences(const Snapshot& a, const Snapshot& b) {
  std::ostringstream out;
  for (int i = 0; i < kControlCount; ++i) {
    if (a.texts[i] != b.texts[i]) {
      out << "  " << ControlName(static_cast<Control>(i)) << ": headless \"" << a.texts[i]
          << "\", window \"" << b.texts[i] << "\"\n";
    }
  }
  if (a.focused != b.focused) {
    out << "  focus: headless " << ControlName(a.focused) << ", window " << ControlName(b.focused)
        << "\n";
  }
  if (a.selection != b.selection) {
    out << "  selection: headless " << a.selection.start << "+" << a.selection.length << ", window "
        << b.selection.start << "+" << b.selection.length << "\n";
  }
  if (a.alignment != b.alignment) out << "  hint alignment differs\n";
  for (int t = 0; t < 4; ++t) {
    if (a.tickers[t] != b.tickers[t]) {
      out << "  Timer" << t + 1 << ": headless " << (a.tickers[t] ? "runs" : "stopped")
          << ", window " << (b.tickers[t] ? "runs" : "stopped") << "\n";
    }
  }
  const std::size_t n = std::max(a.messages.size(), b.messages.size());
  for (std::size_t i = 0; i < n; ++i) {
    const bool inA = i < a.messages.size(), inB = i < b.messages.size();
    if (inA && inB && a.messages[i] == b.messages[i]) continue;
    out << "  message " << i + 1 << ": headless " << (inA ? Describe(a.messages[i]) : "none")
        << ", window " << (inB ? Describe(b.messages[i]) : "none") << "\n";
  }
  if (a.clipboard != b.clipboard) {
    out << "  clipboard: headless \"" << a.clipboard << "\", window \"" << b.clipboard << "\"\n";
  }
  if (a.exited != b.exited)
    out << "  ended: headless " << a.exited << ", window " << b.exited << "\n";
  return out.str();
}

inline QString FromUtf16(const std::u16string& s) {
  return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

// Holds back the window's timer events (its tickers and the spin arrows' repeats) while an
// event is being delivered, and delivers them right after it. While one of the calculator's
// messages is open they pass: the calculator ignores them then, on both forms.
class TimerGate : public QObject {
 public:
  std::vector<QObject*> watched;
  std::function<bool()> messageOpen;
  bool closed = false;

  void Open() {
    closed = false;
    std::vector<std::pair<QPointer<QObject>, int>> held;
    held.swap(held_);
    for (auto& [object, id] : held) {
      if (!object) continue;
      if (auto* timer = qobject_cast<QTimer*>(object.data())) {
        if (!timer->isActive() || timer->timerId() != id) continue;  // stopped meanwhile
      }
      QTimerEvent e(id);
      QCoreApplication::sendEvent(object, &e);
    }
  }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (!closed || e->type() != QEvent::Timer || messageOpen()) return false;
    if (std::find(watched.begin(), watched.end(), o) == watched.end()) return false;
    const int id = static_cast<QTimerEvent*>(e)->timerId();
    for (const auto& [object, heldId] : held_) {
      if (object == o && heldId == id) return true;  // one tick of a kind is enough
    }
    held_.emplace_back(o, id);
    return true;
  }

 private:
  std::vector<std::pair<QPointer<QObject>, int>> held_;
};

// One script on both forms.
class Replay {
 public:
  Replay() {
    // Empty, as the headless form's starts: an empty text of our own, which reads back at once
    // (a compositor would report a cleared clipboard only a round trip later).
    QGuiApplication::clipboard()->setText(QString());
    window_ = std::make_unique<MainWindow>();
    if (seat) seat->Park();
    window_->show();
    if (!seat) {
      window_->activateWindow();
      QApplication::setActiveWindow(window_.get());
    }
    if (!QTest::qWaitForWindowExposed(window_.get())) std::printf("the window was never exposed\n");
    // A compositor gives the keyboard to a new window of its own accord.
    if (seat && !seat->AwaitFocus(Main())) std::printf("the window never had the keyboard\n");
    // The pointer rests on the empty end of the menu bar, where nothing has a hint; Qt reports no
    // move to the place it last was, even in an earlier window. A seat finds the window with its
    // pointer first, before anything ticks.
    const QPoint rest(window_->width() - 4, 4);
    if (seat) seat->Move(Main(), rest);
    window_->Start();
    if (!seat) QTest::mouseMove(Main(), rest);
    if (!QTest::qWaitFor(
            [this] { return QApplication::focusWidget() == window_->widget(Control::RL); }))
      std::printf("the room length never had the focus\n");

    player_.standalone = false;
    player_.primarySelection = QGuiApplication::clipboard()->supportsSelection();

    // Left and Right on a selection, as this platform's keyboard scheme has them.
    QLineEdit probe(QStringLiteral("abcd"));
    for (const auto& [key, collapses] : {std::pair{Qt::Key_Left, &player_.leftCollapses},
                                         std::pair{Qt::Key_Right, &player_.rightCollapses}}) {
      probe.setSelection(1, 2);
      QTest::keyClick(&probe, key);
      *collapses = probe.cursorPosition() == (key == Qt::Key_Left ? 1 : 3);
    }
    gate_.messageOpen = [] {
      return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    };
    for (int t = 0; t < 4; ++t) {
      auto* ticker = window_->findChild<QTimer*>(QStringLiteral("Timer%1").arg(t + 1));
      gate_.watched.push_back(ticker);
      QObject::connect(ticker, &QTimer::timeout, [this, t] {
        // The window ignored it if one of its messages is open; so does the headless form.
        if (qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) return;
        PassAnswers();
        Fire(static_cast<Timer>(t));
      });
    }
    for (Control box : kInputBoxes) {
      SpinArrows* arrows = ArrowsOf(box);
      for (QToolButton* arrow : {arrows->upArrow(), arrows->downArrow()}) {
        gate_.watched.push_back(arrow);
        QObject::connect(arrow, &QToolButton::pressed, [this] {
          if (delivering_) return;  // the press itself: the headless form plays the event too
          PassAnswers();
          player_.Repeat();
        });
      }
    }
    qApp->installEventFilter(&gate_);
    if (seat) {
      boxes_.press = [](QMessageBox* box, Qt::Key key) {
        seat->AwaitFocus(box->windowHandle());
        seat->Key(key, true);
        seat->Key(key, false);
      };
    }
    boxes_.whileOpen = [this](QMessageBox* box) {
      if (boxShot_.empty()) return;
      [[maybe_unused]] const bool drawn = QTest::qWaitForWindowExposed(box);
      Shoot(std::exchange(boxShot_, std::string()));
    };
  }

  ~Replay() {
    qApp->removeEventFilter(&gate_);
    window_.reset();
  }

  // Takes the pictures the "shot" verbs ask for, given their name and the main window; unset,
  // none are taken.
  Camera camera;

  void Play(const ScriptEvent& e) {
    if (e.verb == "shot") return Shoot(e.arg);
    if (e.verb == "shotbox") {
      boxShot_ = e.arg;
      return;
    }
    if (e.verb == "wait") {
      QTest::qWait(static_cast<int>(candelor::testing::NumberFrom(e.arg, 20000)));
      return ActivateAsAWindowManager();  // a tick's message may have come and gone
    }
    if (e.verb == "cancelreport") boxes_.answers.push_back(MessageAnswer::Cancel);
    gate_.closed = true;
    delivering_ = true;
    Deliver(e);
    delivering_ = false;
    boxes_.answers.clear();
    PassAnswers();
    player_.Play(e);
    gate_.Open();
    ActivateAsAWindowManager();
  }

  bool Ended() const { return Exited() || player_.exited(); }
  // The program ended as it really ends: its window is gone.
  bool Exited() const { return !window_->isVisible(); }

  // Once the program has ended nothing of its window is seen and nothing ticks.
  static void Ended(Snapshot& s) {
    s.texts = {};
    s.focused = Control::Background;
    s.selection = {};
    s.alignment = Alignment::LeftMiddle;
    s.tickers = {};
  }

  Snapshot Headless() const {
    Snapshot s;
    const auto& form = h_.form;
    for (int i = 0; i < kControlCount; ++i) s.texts[i] = form.Text(static_cast<Control>(i));
    s.focused = form.Focused();
    if (IsTextBox(s.focused)) s.selection = form.GetSelection(s.focused);
    s.alignment = form.StatAlignment();
    for (int t = 0; t < 4; ++t) s.tickers[t] = form.IsTimerRunning(static_cast<Timer>(t));
    for (std::size_t i = 0; i < form.Messages().size(); ++i) {
      s.messages.push_back({form.Messages()[i], i < given_.size() ? given_[i] : MessageAnswer::Ok});
    }
    s.clipboard = Comparable(form.clipboard);
    s.exited = player_.exited();
    if (s.exited) Ended(s);
    s.texts[static_cast<int>(Control::LabelTime)].clear();  // a virtual clock against a real one
    return s;
  }

  Snapshot Window() const {
    Snapshot s;
    for (int i = 0; i < kControlCount; ++i) s.texts[i] = window_->Text(static_cast<Control>(i));
    // The focus the application really has: the widget keys go to, in the active window.
    s.focused = Control::Background;
    for (int i = 0; i < kControlCount; ++i) {
      const auto c = static_cast<Control>(i);
      if (window_->widget(c) && window_->widget(c) == QApplication::focusWidget()) s.focused = c;
    }
    if (IsTextBox(s.focused)) s.selection = window_->GetSelection(s.focused);
    s.clipboard = Comparable(QGuiApplication::clipboard()->text().toStdString());
    auto* stat = qobject_cast<QLabel*>(window_->widget(Control::Stat));
    s.alignment =
        (stat->alignment() & Qt::AlignHCenter) ? Alignment::CentreMiddle : Alignment::LeftMiddle;
    for (int t = 0; t < 4; ++t) s.tickers[t] = window_->IsTimerRunning(static_cast<Timer>(t));
    s.messages = boxes_.shown;
    s.exited = Exited();
    if (s.exited) Ended(s);
    s.texts[static_cast<int>(Control::LabelTime)].clear();  // real time: see Headless()
    return s;
  }

 private:
  // The answers the real window's boxes were given go to the headless form's next messages.
  void PassAnswers() {
    for (; passed_ < boxes_.shown.size(); ++passed_) {
      h_.form.ScriptAnswer(boxes_.shown[passed_].answer);
      given_.push_back(boxes_.shown[passed_].answer);
    }
  }

  void Fire(Timer t) {
    if (h_.form.IsTimerRunning(t)) h_.calc.TimerFired(t);
  }

  QWindow* Main() const { return window_->windowHandle(); }

  // The spin arrows beside a box, by their name.
  SpinArrows* ArrowsOf(Control box) const {
    return window_->findChild<SpinArrows*>(FromUtf8(ControlName(box)) + QStringLiteral("S"));
  }

  void Shoot(const std::string& name) {
    if (camera && !name.empty()) camera(name, Main());
  }

  QWidget* WidgetOf(const Target& t) const {
    if (!t.arrow)
      return t.control == Control::Background ? window_->centralWidget()
                                              : window_->widget(t.control);
    SpinArrows* arrows = ArrowsOf(t.control);
    return t.direction == StepDirection::Up ? arrows->upArrow() : arrows->downArrow();
  }

  // A point of the main window where the target itself, not one of its children, is hit.
  QPoint PointOf(const Target& t) {
    const int key =
        static_cast<int>(t.control) * 4 + (t.arrow ? 1 + static_cast<int>(t.direction) : 0);
    auto found = points_.find(key);
    if (found != points_.end()) return found->second;
    QWidget* w = WidgetOf(t);
    if (t.control == Control::Background && !t.arrow) {
      // On the rule between the two halves, left of the groups: it is background too.
      return points_[key] = w->mapTo(window_.get(), QPoint(8, Px(2168)));
    }
    QPoint point = w->mapTo(window_.get(), w->rect().center());
    // Clear of the window's edges, which a compositor's window decoration may take for resizing.
    const QRect inner = window_->rect().adjusted(8, 8, -8, -8);
    bool done = false;
    for (int y = w->height() - 3; y >= 2 && !done; y -= 2) {
      for (int x = 3; x < w->width() - 2 && !done; x += 3) {
        const QPoint p = w->mapTo(window_.get(), QPoint(x, y));
        if (inner.contains(p) && window_->childAt(p) == w) {
          point = p;
          done = true;
        }
      }
    }
    points_[key] = point;
    return point;
  }

  void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    if (seat) {
      const std::pair<Qt::KeyboardModifier, Qt::Key> held[] = {
          {Qt::ControlModifier, Qt::Key_Control},
          {Qt::ShiftModifier, Qt::Key_Shift},
          {Qt::AltModifier, Qt::Key_Alt}};
      for (const auto& [mod, modKey] : held)
        if (mods & mod) seat->Key(modKey, true);
      const bool typed = seat->Key(key, true, text) && seat->Key(key, false, text);
      for (const auto& [mod, modKey] : held)
        if (mods & mod) seat->Key(modKey, false);
      if (typed) return;
    }
    QWindow* target = QGuiApplication::focusWindow() ? QGuiApplication::focusWindow() : Main();
    QTest::sendKeyEvent(QTest::Click, target, key, text, mods);
  }
  void Keys(Qt::Key key, int times, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    for (int i = 0; i < times; ++i) Key(key, mods);
  }

  // A pointer event at a point of a window: through the seat, or into Qt's event loop.
  static void Pointer(QEvent::Type type, Qt::MouseButton button, QWindow* window, QPoint at) {
    if (seat && type == QEvent::MouseMove) return seat->Move(window, at);
    if (seat) return seat->Button(window, at, button, type == QEvent::MouseButtonPress);
    if (type == QEvent::MouseMove) return QTest::mouseMove(window, at);
    if (type == QEvent::MouseButtonPress)
      return QTest::mousePress(window, button, Qt::NoModifier, at);
    QTest::mouseRelease(window, button, Qt::NoModifier, at);
  }
  void Click(Qt::MouseButton button, QWindow* window, QPoint at) {
    Pointer(QEvent::MouseButtonPress, button, window, at);
    Pointer(QEvent::MouseButtonRelease, button, window, at);
  }

  void MoveTo(const Target& t) {
    pointer_ = PointOf(t);
    Pointer(QEvent::MouseMove, Qt::NoButton, Main(), pointer_);
  }
  void PressAt(const Target& t) {
    pointer_ = PointOf(t);
    Pointer(QEvent::MouseButtonPress, Qt::LeftButton, Main(), pointer_);
    pressed_ = true;
  }
  void ReleaseHere() {
    if (!pressed_) return;
    pressed_ = false;
    Pointer(QEvent::MouseButtonRelease, Qt::LeftButton, Main(), pointer_);
  }
  void ClickAt(const Target& t) {
    PressAt(t);
    ReleaseHere();
  }
  // Closes whatever menus are still open, and the menu bar's keyboard mode after them.
  void CloseMenus() {
    while (QApplication::activePopupWidget()) Key(Qt::Key_Escape);
    if (window_->menuBar()->hasFocus()) Key(Qt::Key_Escape);
  }
  void OpenMenu(Qt::Key accessKey) {
    if (seat) {
      seat->Key(Qt::Key_Alt, true);
      KeyOpening(accessKey, nullptr);
      seat->Key(Qt::Key_Alt, false);
      return;
    }
    QWindow* target = QGuiApplication::focusWindow() ? QGuiApplication::focusWindow() : Main();
    QTest::sendKeyEvent(QTest::Press, target, Qt::Key_Alt, QString(), Qt::NoModifier);
    Key(accessKey, Qt::AltModifier);
    QTest::sendKeyEvent(QTest::Release, Main(), Qt::Key_Alt, QString(), Qt::AltModifier);
  }
  // A key that opens a menu, let go once the menu shows, as fingers are: a compositor grants the
  // menu only for the key's press, the toolkit's latest input, until the release comes.
  static void KeyOpening(Qt::Key key, QWidget* before) {
    seat->Key(key, true);
    AwaitPopup(before);
    seat->Key(key, false);
  }
  // On a compositor a menu takes the keyboard once it is mapped: keys wait for that.
  static void AwaitPopup(QWidget* other) {
    [[maybe_unused]] const bool shown = QTest::qWaitFor(
        [other] {
          QWidget* popup = QApplication::activePopupWidget();
          return popup && popup != other && popup->windowHandle() &&
                 popup->windowHandle()->isExposed();
        },
        5000);
  }
  // Walks the menus by rows: Down to each row, Right into each submenu, Return on the last.
  void Choose(const std::vector<int>& rows, bool choose) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      Keys(Qt::Key_Down, rows[i]);
      const bool last = choose && i + 1 == rows.size();
      if (seat && !last)
        KeyOpening(Qt::Key_Right, QApplication::activePopupWidget());
      else
        Key(last ? Qt::Key_Return : Qt::Key_Right);
    }
    CloseMenus();
  }

  void TypeText(std::string_view utf8) {
    const std::u16string all = candelor::testing::ToUtf16(utf8);
    for (std::size_t i = 0; i < all.size(); ++i) {
      const bool pair = all[i] >= 0xD800 && all[i] <= 0xDBFF && i + 1 < all.size();
      const std::u16string piece = all.substr(i, pair ? 2 : 1);
      i += pair ? 1 : 0;
      const char16_t c = piece[0];
      Qt::Key key = Qt::Key_unknown;
      if (c == u' ') key = Qt::Key_Space;
      if (c > 0x20 && c < 0x7F) key = static_cast<Qt::Key>(QChar(c).toUpper().unicode());
      Key(key, Qt::NoModifier, FromUtf16(piece));
    }
  }

  // The offscreen platform gives the activation back to no window when a box closes; a window
  // manager gives it back to the main window.
  void ActivateAsAWindowManager() {
    if (seat) {
      seat->AwaitFocus(nullptr);  // the compositor's to give, and only awaited
      return;
    }
    // The room plan takes the keyboard as it opens; the user goes back to the calculator.
    QWidget* active = QApplication::activeWindow();
    if (active && active == Plan()) {
      window_->activateWindow();
      [[maybe_unused]] const bool back =
          QTest::qWaitFor([this] { return QGuiApplication::focusWindow() == Main(); }, 2000);
    }
    if ((!active || active == Plan()) && !QApplication::activeModalWidget()) {
      QApplication::setActiveWindow(window_.get());
    }
  }
  static QWidget* Plan() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible() && w->windowTitle() == QLatin1String("Room Plan")) return w;
    }
    return nullptr;
  }

  // A point inside a box to the right of its text.
  QPoint EndOf(Control box) const {
    QWidget* w = window_->widget(box);
    return w->mapTo(window_.get(), QPoint(w->width() - 4, w->height() / 2));
  }

  // A right click at the end of a box's text, then an entry of the menu it opens.
  void MenuEdit(const candelor::testing::Action& a) {
    using Edit = candelor::testing::Action::Edit;
    if (a.edit == Edit::Paste) QGuiApplication::clipboard()->setText(Text(a.text));
    pointer_ = EndOf(a.control);
    // The menu opens on the press; a person lets go once it shows and the compositor has put the
    // pointer on it (a release before that is lost, and the toolkit thinks the button still held).
    Pointer(QEvent::MouseButtonPress, Qt::RightButton, Main(), pointer_);
    if (seat) {
      AwaitPopup(nullptr);
      const QPointer<QWidget> popup = QApplication::activePopupWidget();
      [[maybe_unused]] const bool entered =
          QTest::qWaitFor([popup] { return !popup || popup->underMouse(); }, 1000);
    }
    Pointer(QEvent::MouseButtonRelease, Qt::RightButton, Main(), pointer_);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    const QString wanted = a.edit == Edit::Paste    ? QStringLiteral("Paste")
                           : a.edit == Edit::Cut    ? QStringLiteral("Cut")
                           : a.edit == Edit::Delete ? QStringLiteral("Delete")
                           : a.edit == Edit::Undo   ? QStringLiteral("Undo")
                           : a.edit == Edit::Redo   ? QStringLiteral("Redo")
                                                    : QStringLiteral("Select All");
    for (QAction* action : menu->actions()) {
      const QString label =
          action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
      if (label != wanted || !action->isEnabled()) continue;
      [[maybe_unused]] const bool shown = QTest::qWaitForWindowExposed(menu);
      Click(Qt::LeftButton, menu->windowHandle(), menu->actionGeometry(action).center());
      break;
    }
    CloseMenus();
  }

  // A text dragged from another program and dropped at the end of a box's text.
  void Drop(const candelor::testing::Action& a) {
    QWidget* box = window_->widget(a.control);
    const QPointF at(box->width() - 4, box->height() / 2);
    QMimeData data;
    data.setText(Text(a.text));
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &enter);
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &drop);
  }

  static QString Text(const std::string& utf8) {
    return FromUtf16(candelor::testing::ToUtf16(utf8));
  }

  void Deliver(const ScriptEvent& e) {
    ActivateAsAWindowManager();
    using Kind = candelor::testing::Action::Kind;
    const candelor::testing::Action a = candelor::testing::Decode(e);
    const Control focused = window_->Focused();
    switch (a.kind) {
      case Kind::Nothing:
      case Kind::Wait:
      case Kind::NoClipboard:  // a real clipboard cannot be made to refuse a write
        return;
      case Kind::Type:
        return TypeText(a.text);
      case Kind::Paste:
        QGuiApplication::clipboard()->setText(Text(a.text));
        return Key(Qt::Key_V, Qt::ControlModifier, QString(QChar(0x16)));
      case Kind::Delete:
        return Key(Qt::Key_Delete);
      case Kind::Backspace:
        return Key(Qt::Key_Backspace);
      case Kind::SelectAll:
        return Key(Qt::Key_A, Qt::ControlModifier, QString(QChar(0x01)));
      case Kind::Select:
        if (!IsTextBox(focused)) return;
        Key(Qt::Key_Home);
        Keys(Qt::Key_Right, a.start);
        return Keys(Qt::Key_Right, a.length, Qt::ShiftModifier);
      case Kind::Up:
        return Key(Qt::Key_Up);
      case Kind::Down:
        return Key(Qt::Key_Down);
      case Kind::Left:
        return Key(Qt::Key_Left);
      case Kind::Right:
        return Key(Qt::Key_Right);
      case Kind::Menu:
        return MenuEdit(a);
      case Kind::Middle:
        if (QGuiApplication::clipboard()->supportsSelection())
          QGuiApplication::clipboard()->setText(Text(a.text), QClipboard::Selection);
        pointer_ = EndOf(a.control);
        return Click(Qt::MiddleButton, Main(), pointer_);
      case Kind::Drop:
        return Drop(a);
      case Kind::Key:
        return Key(Qt::Key_Shift);
      case Kind::Help:
        return Key(Qt::Key_F1);
      case Kind::Tab:
        return Key(Qt::Key_Tab);
      case Kind::ClickBox:
        ClickAt({a.control});
        return Key(Qt::Key_End);
      case Kind::ClickOn:
      case Kind::CancelReport:
        return ClickAt({a.control});
      case Kind::Spin:
      case Kind::Hold:
        if (pressed_) return;
        PressAt(a.arrow);
        if (a.kind == Kind::Spin) ReleaseHere();
        return;
      case Kind::Press:
        if (!pressed_) PressAt({a.control});
        return;
      case Kind::Release:
        return ReleaseHere();
      case Kind::Hover:
        return MoveTo({a.control});
      case Kind::Lamp:
      case Kind::Family:
        OpenMenu(Qt::Key_A);
        return Choose(a.lamp->rows, a.kind == Kind::Lamp);
      case Kind::ReadMe:
        OpenMenu(Qt::Key_A);
        Key(Qt::Key_Return);
        return CloseMenus();
      case Kind::Lamps:
        OpenMenu(Qt::Key_A);
        return CloseMenus();
      case Kind::Levels:
        OpenMenu(Qt::Key_R);
        return CloseMenus();
      case Kind::ShotMenu:
        OpenMenu(Qt::Key_R);
        Keys(Qt::Key_Down, a.start);
        Key(Qt::Key_Right);
        QTest::qWait(100);  // the submenu draws
        Shoot(a.text);
        return CloseMenus();
      case Kind::Level:
        OpenMenu(Qt::Key_R);
        return Choose(a.level->rows, true);
      case Kind::Plan:
        OpenMenu(Qt::Key_V);
        Key(Qt::Key_R, Qt::NoModifier, QStringLiteral("r"));
        // The plan has the keyboard now: an Escape for the menus would close it.
        if (QApplication::activePopupWidget()) CloseMenus();
        return;
      case Kind::ClosePlan:
        if (QWidget* plan = Plan()) QTest::keyClick(plan, Qt::Key_Escape);
        return;
      case Kind::Rows:
        if (QWidget* plan = Plan()) {
          QTest::keyClick(plan->findChild<QSpinBox*>(), a.start > 0 ? Qt::Key_Up : Qt::Key_Down);
        }
        return;
    }
  }

  candelor::testing::Harness h_;
  HeadlessPlayer player_{h_};
  std::unique_ptr<MainWindow> window_;
  TimerGate gate_;
  qt::testing::BoxWatcher boxes_;     // the real window's boxes, answered and noted
  std::size_t passed_ = 0;            // of those, passed on to the headless form
  std::vector<MessageAnswer> given_;  // the answers the headless form was given
  std::map<int, QPoint> points_;
  std::string boxShot_;  // the next message box is to be pictured under this name
  QPoint pointer_;
  bool pressed_ = false;
  bool delivering_ = false;
};

}  // namespace

std::string Listing(const Script& s, std::size_t upTo) {
  std::string out;
  for (std::size_t i = 0; i < s.events.size(); ++i) {
    out += (i == upTo ? "> " : "  ") + s.events[i].verb;
    if (!s.events[i].arg.empty()) out += " " + s.events[i].arg;
    out += "\n";
  }
  return out;
}

// Plays one script on both forms; prints the first difference and returns false on one.
bool Run(const Script& script, const Camera& camera) {
  Replay replay;
  replay.camera = camera;
  std::string before = Differences(replay.Headless(), replay.Window());
  if (!before.empty()) {
    std::printf("FAIL %s: the forms differ before the first event\n%s", script.name.c_str(),
                before.c_str());
    return false;
  }
  for (std::size_t i = 0; i < script.events.size() && !replay.Ended(); ++i) {
    replay.Play(script.events[i]);
    const std::string diff = Differences(replay.Headless(), replay.Window());
    if (!diff.empty()) {
      std::printf("FAIL %s, after event %zu:\n%s%s", script.name.c_str(), i + 1,
                  Listing(script, i).c_str(), diff.c_str());
      return false;
    }
  }
  return true;
}

Script FromFile(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return {QFileInfo(path).fileName().toStdString(), candelor::testing::ParseScript(text.str())};
}

// Scripts from a seed: short waits so that a few hundred stay near a minute.
std::vector<Script> Generate(int count, unsigned seed) {
  std::mt19937 random(seed);
  auto pick = [&](const auto& list) { return list[random() % std::size(list)]; };
  const char* boxes[] = {"RL", "RW", "RCH", "NOL", "LL", "LLD", "LDD", "COU", "NOF", "LLV", "Job"};
  const char* typed[] = {"0", "1", "2", "5", "9", ".", "-", "12", "0.5", "60", "4", "8", "a", " "};
  const char* pasted[] = {"1,5",   "1,000", "12,345.5", "1e-38", "-60", ".",  "0,5",
                          "99999", "2.5",   "1e39",     "",      "abc", "10", "3047.70"};
  const char* hovered[] = {"Frame3D7",  "Frame3D10", "Frame3D15", "Frame3D13", "Stat", "Background",
                           "PasteClip", "LU",        "Label1",    "COU",       "LLV",  "Job",
                           "Frame3D3",  "RA",        "FS",        "Unit0"};
  const char* explained[] = {"Frame3D7", "Frame3D10", "Frame3D15", "FS", "Unit3", "Frame3D12"};
  const char* waits[] = {"60", "60", "100"};
  std::vector<Script> scripts;
  for (int n = 0; n < count; ++n) {
    Script s{"generated-" + std::to_string(seed) + "-" + std::to_string(n), {}};
    const int length = 8 + static_cast<int>(random() % 12);
    for (int i = 0; i < length; ++i) {
      switch (random() % 28) {
        case 0:
        case 1:
        case 2:
          s.events.push_back({"type", pick(typed)});
          break;
        case 3:
          s.events.push_back({"paste", pick(pasted)});
          break;
        case 4:
        case 5:
          s.events.push_back({"click", pick(boxes)});
          break;
        case 6:
          s.events.push_back({"selectall", ""});
          break;
        case 7:
          s.events.push_back({"select", std::to_string(random() % 6 * 100 + random() % 4)});
          break;
        case 8:
          s.events.push_back({random() % 2 ? "delete" : "backspace", ""});
          break;
        case 9:
          s.events.push_back({"tab", ""});
          break;
        case 10:
          s.events.push_back({pick(std::array{"up", "down", "key", "help"}), ""});
          break;
        case 11:
          s.events.push_back({random() % 2 ? "spinup" : "spindown", pick(boxes)});
          break;
        case 12:
          s.events.push_back({random() % 2 ? "holdup" : "holddown", pick(boxes)});
          s.events.push_back({"wait", random() % 3 ? "60" : "330"});
          s.events.push_back({"release", ""});
          break;
        case 13:
          s.events.push_back({"hover", pick(hovered)});
          break;
        case 14:
          s.events.push_back({"explain", pick(explained)});
          break;
        case 15:
          s.events.push_back({pick(std::array{"metric", "imperial", "levelunit"}), ""});
          break;
        case 16:
          s.events.push_back({"lamp", std::to_string(random() % 100)});
          break;
        case 17:
          s.events.push_back({pick(std::array{"family", "level"}), std::to_string(random() % 40)});
          break;
        case 18:
          s.events.push_back({pick(std::array{"levels", "lamps", "readme"}), ""});
          break;
        case 19:
          s.events.push_back({random() % 3 ? "report" : "cancelreport", ""});
          break;
        case 20:
          s.events.push_back({"press", "Stat"});
          s.events.push_back({"hover", "Background"});
          s.events.push_back({"release", ""});
          break;
        case 21:
          s.events.push_back({"focus", pick(boxes)});
          break;
        case 22:
          s.events.push_back(
              {"menu", std::string(pick(boxes)) + " " +
                           pick(std::array{"paste", "cut", "delete", "selectall", "undo", "redo"}) +
                           " " + pick(pasted)});
          break;
        case 23:
          s.events.push_back(
              {random() % 2 ? "middle" : "drop", std::string(pick(boxes)) + " " + pick(pasted)});
          break;
        case 24:
          s.events.push_back({random() % 2 ? "left" : "right", ""});
          break;
        default:
          s.events.push_back({"wait", pick(waits)});
          break;
      }
    }
    scripts.push_back(std::move(s));
  }
  return scripts;
}

}  // namespace candelor::qt::replay
