// The seat of an X server that the compositor runs in: keys and pointer faked there with XTest
// reach weston's X11 backend as a person's input would, and weston passes them on to the program
// with everything a Wayland client needs of real input (serials, focus, grabs).
#include "ui/seat.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleHints>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>

// After Qt's headers: Xlib's macros clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#undef KeyPress
#undef KeyRelease

namespace candelor::qt::replay {
namespace {

// How long to wait for an event that comes unless something is wrong: ended by its coming, so
// generous for a loaded machine, where a sanitized program and the compositor may lag seconds.
constexpr int kComes = 10000;

KeySym KeysymOf(Qt::Key key, const QString& text) {
  switch (key) {
    case Qt::Key_Return:
      return XK_Return;
    case Qt::Key_Escape:
      return XK_Escape;
    case Qt::Key_Tab:
      return XK_Tab;
    case Qt::Key_Backspace:
      return XK_BackSpace;
    case Qt::Key_Delete:
      return XK_Delete;
    case Qt::Key_Home:
      return XK_Home;
    case Qt::Key_End:
      return XK_End;
    case Qt::Key_Left:
      return XK_Left;
    case Qt::Key_Right:
      return XK_Right;
    case Qt::Key_Up:
      return XK_Up;
    case Qt::Key_Down:
      return XK_Down;
    case Qt::Key_F1:
      return XK_F1;
    case Qt::Key_Shift:
      return XK_Shift_L;
    case Qt::Key_Control:
      return XK_Control_L;
    case Qt::Key_Alt:
      return XK_Alt_L;
    case Qt::Key_Space:
      return XK_space;
    default:
      break;
  }
  // Printable ASCII has keysyms equal to its codes; a control character (Ctrl+V's) is its key's.
  if (text.size() == 1 && text[0].unicode() > 0x20 && text[0].unicode() < 0x7F)
    return text[0].unicode();
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return XK_a + (key - Qt::Key_A);
  if (key > 0x20 && key < 0x7F) return key;
  return NoSymbol;
}

class XSeat final : public Seat, public QObject {
 public:
  explicit XSeat(Display* display) : display_(display) {
    // Keeps the waits below awake when nothing else would wake the event loop.
    tick_.setInterval(2);
    tick_.start();
    qApp->installEventFilter(this);
    Window root, child;
    int x, y, wx, wy;
    unsigned mask;
    XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &x, &y, &wx, &wy, &mask);
    pointer_ = {x, y};
  }
  ~XSeat() override {
    qApp->removeEventFilter(this);
    XCloseDisplay(display_);
  }

  bool Key(Qt::Key key, bool press, const QString& text) override {
    const KeySym sym = KeysymOf(key, text);
    const KeyCode code = sym == NoSymbol ? 0 : XKeysymToKeycode(display_, sym);
    if (!code) return false;
    // A character on a key's second level is typed with Shift, unless Shift is held already.
    const bool shift = !shiftHeld_ && XkbKeycodeToKeysym(display_, code, 0, 0) != sym &&
                       XkbKeycodeToKeysym(display_, code, 0, 1) == sym;
    if (key == Qt::Key_Shift) shiftHeld_ = press;
    // A key still held when it is pressed again (a box that opened on its press is answered
    // with it) is let go first, as fingers do; a key let go already has nothing to release.
    if (press && held_.count(code)) Key(key, false, text);
    if (!press && !held_.count(code)) return true;
    if (press) held_.insert(code);
    if (!press) held_.erase(code);
    if (press) {
      AwaitFocus(nullptr);
      if (shift) Fake(XK_Shift_L, true);
      pressed_ = false;
      XTestFakeKeyEvent(display_, code, True, CurrentTime);
      XFlush(display_);
      if (!WaitFor([this] { return pressed_; }, kComes)) Note("a key press was not received");
      if (shift) Fake(XK_Shift_L, false);
      return true;
    }
    // A release goes where the keyboard is now: nowhere, or to another window, if the press
    // closed the window that had it.
    QWindow* before = QGuiApplication::focusWindow();
    released_ = false;
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    XFlush(display_);
    WaitFor([&] { return released_ || QGuiApplication::focusWindow() != before; }, 300);
    return true;
  }

  void Park() override {
    // What an earlier window was left holding is let go: a held button keeps the pointer grabbed.
    for (unsigned number : std::set<unsigned>(buttons_)) {
      XTestFakeButtonEvent(display_, number, False, CurrentTime);
      buttons_.erase(number);
    }
    for (KeyCode code : std::set<KeyCode>(held_)) {
      XTestFakeKeyEvent(display_, code, False, CurrentTime);
      held_.erase(code);
    }
    // weston's X11 backend moves its pointer by the X pointer's steps, clamped to its output, so
    // the two can drift apart; a step to one corner and then across to the other brings them
    // together again.
    MovePointer({0, 0});
    MovePointer({DisplayWidth(display_, DefaultScreen(display_)) - 1,
                 DisplayHeight(display_, DefaultScreen(display_)) - 1});
  }

  void Move(QWindow* window, QPoint at) override {
    for (int attempt = 0; attempt < 3; ++attempt) {
      const QPoint screen = OnScreen(at + OffsetOf(window));
      // A closed popup leaves weston's pointer over nothing until the pointer moves again.
      if (screen == pointer_ && popupClosed_) StepAside();
      popupClosed_ = false;
      if (screen == pointer_) return;
      if (!MoveAnswered(screen)) {
        // Off every window of the program, or on a window as it went away, which leaves weston's
        // pointer over nothing as a closed popup does: once more by a step aside, trusting no
        // answer to correct the place.
        StepAside();
        MoveAnswered(screen);
        return;
      }
      if (moved_ != window || movedAt_ == at) return;
      offsets_[window] += at - movedAt_;  // the compositor placed it elsewhere: correct, again
    }
  }

  void Button(QWindow* window, QPoint at, Qt::MouseButton button, bool press) override {
    Move(window, at);
    const unsigned number = button == Qt::LeftButton ? 1 : button == Qt::MiddleButton ? 2 : 3;
    // Each click of a script is a click of its own: a second press of a button soon after the
    // first would be taken for a double click, so it waits, as QTest's clicks do.
    if (press && number == lastButton_ && lastPress_.isValid()) {
      const qint64 left =
          QGuiApplication::styleHints()->mouseDoubleClickInterval() + 20 - lastPress_.elapsed();
      if (left > 0) WaitFor([] { return false; }, static_cast<int>(left));
    }
    if (press) {
      lastButton_ = number;
      lastPress_.start();
      buttons_.insert(number);
    }
    if (!press) buttons_.erase(number);
    for (int attempt = 0;; ++attempt) {
      clicked_ = false;
      XTestFakeButtonEvent(display_, number, press ? True : False, CurrentTime);
      XFlush(display_);
      if (WaitFor([this] { return clicked_; }, kComes)) return;
      if (!press || attempt > 0)
        return Note(press ? "a button press was not received"
                          : "a button release was not received");
      // weston gave the press to no window: its pointer was left over one that went away. A
      // person whose click did not take lets go, moves a little and clicks again.
      Note("a button press was not received; pressed again");
      XTestFakeButtonEvent(display_, number, False, CurrentTime);
      const QPoint here = pointer_;
      StepAside();
      MoveAnswered(here);
    }
  }

  bool AwaitFocus(QWindow* window) override {
    return WaitFor(
        [window] {
          QWindow* focus = QGuiApplication::focusWindow();
          return focus && (!window || focus == window);
        },
        kComes);
  }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    switch (e->type()) {
      case QEvent::ShortcutOverride:  // the first a focused object sees of a key press
        pressed_ = true;
        return false;
      case QEvent::KeyPress:
        if (o->isWindowType()) pressed_ = true;
        return false;
      case QEvent::KeyRelease:
        if (o->isWindowType()) released_ = true;
        return false;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
        if (o->isWindowType()) clicked_ = true;
        return false;
      case QEvent::Enter:
      case QEvent::MouseMove:
        if (!o->isWindowType()) return false;
        moved_ = static_cast<QWindow*>(o);
        movedAt_ = e->type() == QEvent::Enter ? static_cast<QEnterEvent*>(e)->position().toPoint()
                                              : static_cast<QMouseEvent*>(e)->position().toPoint();
        return o == looking_;
      case QEvent::Leave:
        return o == looking_;
      case QEvent::Hide:
        if (o->isWindowType() && static_cast<QWindow*>(o)->type() == Qt::Popup) popupClosed_ = true;
        return false;
      default:
        return false;
    }
  }

 private:
  template <class Done>
  static bool WaitFor(Done done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
      if (clock.elapsed() >= ms) return false;
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
  }

  static void Note(const char* what) { std::printf("seat: %s\n", what); }

  void Fake(KeySym sym, bool press) {
    XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, sym), press, CurrentTime);
    XFlush(display_);
  }

  bool MoveAnswered(QPoint screen) {
    moved_ = nullptr;
    MovePointer(screen);
    return WaitFor([this] { return moved_ != nullptr; }, 500);
  }
  void StepAside() {
    const QPoint back = pointer_;
    MoveAnswered(OnScreen(back + QPoint(1, 0)) == back ? back - QPoint(1, 0) : back + QPoint(1, 0));
  }
  // A popup the compositor slid back onto the screen is reached at the edge, and corrected there.
  QPoint OnScreen(QPoint p) const {
    return {std::clamp(p.x(), 0, DisplayWidth(display_, DefaultScreen(display_)) - 1),
            std::clamp(p.y(), 0, DisplayHeight(display_, DefaultScreen(display_)) - 1)};
  }

  void MovePointer(QPoint screen) {
    XTestFakeMotionEvent(display_, -1, screen.x(), screen.y(), CurrentTime);
    XFlush(display_);
    pointer_ = screen;
  }

  // Where a window's point (0, 0) is on the X screen. A Wayland client is never told where its
  // windows are, so a new top-level is found with the pointer; its events are kept from the
  // program meanwhile, so that no hint changes. A popup is placed against its parent.
  QPoint OffsetOf(QWindow* window) {
    auto known = offsets_.find(window);
    if (known != offsets_.end()) return known->second;
    if (QWindow* parent =
            window->transientParent() ? window->transientParent() : window->parent()) {
      if (parent != window && offsets_.count(parent))
        return Remember(window, offsets_[parent] + window->position() - parent->position());
    }
    looking_ = window;

    const int stepX = std::max(40, window->width() - 20),
              stepY = std::max(40, window->height() - 20);
    const int width = DisplayWidth(display_, DefaultScreen(display_));
    const int height = DisplayHeight(display_, DefaultScreen(display_));
    QPoint found(0, 0);
    bool seen = false;
    for (int y = stepY / 2; y < height && !seen; y += stepY) {
      for (int x = stepX / 2; x < width && !seen; x += stepX) {
        moved_ = nullptr;
        MovePointer({x, y});
        seen = WaitFor([this] { return moved_ != nullptr; }, 150) && moved_ == window;
        if (seen) found = QPoint(x, y) - movedAt_;
      }
    }
    looking_ = nullptr;
    if (!seen) Note("a window was not found on the screen");
    return Remember(window, found);
  }

  QPoint Remember(QWindow* window, QPoint offset) {
    // Forgotten with the window, whose address a new window may have.
    QObject::connect(window, &QObject::destroyed, this, [this, window] { offsets_.erase(window); });
    return offsets_[window] = offset;
  }

  Display* display_;
  QTimer tick_;
  std::map<QWindow*, QPoint> offsets_;
  QPoint pointer_;
  QPointer<QWindow> looking_;
  QWindow* moved_ = nullptr;
  QPoint movedAt_;
  std::set<KeyCode> held_;
  std::set<unsigned> buttons_;
  bool popupClosed_ = false;
  unsigned lastButton_ = 0;
  QElapsedTimer lastPress_;
  bool pressed_ = false, released_ = false, clicked_ = false, shiftHeld_ = false;
};

}  // namespace

std::unique_ptr<Seat> SeatFromEnvironment() {
  const QByteArray name = qgetenv("CANDELOR_SEAT_DISPLAY");
  if (name.isEmpty()) return nullptr;
  Display* display = XOpenDisplay(name.constData());
  int event, error, major, minor;
  if (!display || !XTestQueryExtension(display, &event, &error, &major, &minor)) {
    std::fprintf(stderr, "seat: no X server with XTest at %s\n", name.constData());
    std::exit(2);
  }
  return std::make_unique<XSeat>(display);
}

}  // namespace candelor::qt::replay
