#pragma once

#include <QPoint>
#include <QString>
#include <Qt>
#include <memory>

class QWindow;

namespace candelor::qt::replay {

// A person's keyboard and pointer: input that reaches the program through the window system's
// seat, as real input does, rather than being sent into Qt's event loop. A Wayland compositor
// grants popups, the clipboard and activation only to input it has delivered itself. Each call
// returns once the program has received the event (or it could not have).
class Seat {
 public:
  virtual ~Seat() = default;
  // False for a key the seat has not got.
  virtual bool Key(Qt::Key key, bool press, const QString& text = {}) = 0;
  // Rests the pointer where no window is placed (the screen's last pixel), so that a new window
  // does not open under it.
  virtual void Park() = 0;
  // Places the pointer on a point of a window; a new top-level window is first looked for.
  virtual void Move(QWindow* window, QPoint at) = 0;
  virtual void Button(QWindow* window, QPoint at, Qt::MouseButton button, bool press) = 0;
  // Waits until the compositor has given the keyboard to one of the program's windows, or to the
  // given one.
  virtual bool AwaitFocus(QWindow* window = nullptr) = 0;
};

// The seat of the X server named by CANDELOR_SEAT_DISPLAY, on which the compositor the program
// runs in is a client; none when that is unset.
std::unique_ptr<Seat> SeatFromEnvironment();

}  // namespace candelor::qt::replay
