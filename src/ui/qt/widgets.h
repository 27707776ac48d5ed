#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include "core/controls.h"
#include "core/form.h"

class QToolButton;

namespace candelor::qt {

// An input box (or the job box). Its typing limit applies to what the user types or pastes,
// never to what the program writes, and nothing else limits its length. Key handling runs before
// the key reaches the text, and the focus behaviour after the line edit's own (which would
// otherwise select all on Tab).
class BoxEdit : public QLineEdit {
  Q_OBJECT

 public:
  BoxEdit(Control control, QWidget* parent);

  Control control() const { return control_; }

  // Writes the text as the program: no typing limit; the change (if any) commits at once. The
  // text the box already holds changes nothing: not the selection, not the cursor, no event.
  void WriteText(const QString& text);

 signals:
  // A key reached the box, before it edits the text.
  void keyPressed(candelor::Key key);
  // A press of any mouse button into the box, or a text dropped onto it.
  void clicked();
  // The box received the keyboard focus (whether that is a change of focus is the window's to say).
  void focusGained();
  // The text changed, by the user or by the program; the commit runs on it.
  void edited();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  friend class TypingLimit;
  Control control_;
  int programWrites_ = 0;  // nesting of program writes in progress
  bool typing_ = false;    // a typed character is being inserted (refused, not cut, at the limit)
  QString lastText_;       // the text before the change the validator is looking at
  qsizetype lastSelected_ = 0;  // how much of it was selected, and so replaced by the change
};

// The calculator's voice: an invisible notification that a screen reader speaks when it shows,
// wherever the focus is. It takes no focus, no click and no place in the Tab order.
class Announcer : public QWidget {
 public:
  explicit Announcer(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    lower();
    hide();
  }
  void Say(const QString& text) {
    setAccessibleName(text);
    hide();
    show();
  }
};

// The text cursor blinks while the user works and rests, shown, after 10 s without a key or a
// click anywhere in the program, so that an untouched window lets the processor sleep.
class CaretRest : public QObject {
 public:
  explicit CaretRest(QObject* parent);
  ~CaretRest() override;  // the desktop's blink given back

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTimer rest_;
  int flashTime_;  // the desktop's blink, given back at the next input
};

// Two small arrow buttons beside a box, outside the tab order. A press steps at once and a held
// arrow repeats; nothing steps on the release.
class SpinArrows : public QWidget {
  Q_OBJECT

 public:
  explicit SpinArrows(QWidget* parent);

  // Lets go of a held arrow, as before a modal box opens: its repeat stops and the press does
  // not survive the box.
  void Release();
  QToolButton* upArrow() const { return up_; }
  QToolButton* downArrow() const { return down_; }

 signals:
  // An arrow steps: at its press, and again at each repeat while it is held.
  void steppedDown();
  void steppedUp();

 private:
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
};

// Whether the window system lets a program place its own windows: X11 does; a Wayland compositor
// places them itself and ignores a program's moves.
bool CanPlaceWindows();

// On Wayland a compositor may make any window as large as it likes (by its title bar's maximise
// button, or a key of its own); a window that then keeps its old size breaks the protocol
// and the program ends. There a window keeps its least size and may grow, the rest plain
// background.
void LetCompositorEnlarge(QWidget* window);

// The sunken one-line hint panel; a click on it (press and release inside) ends the program.
class HintPanel : public QLabel {
  Q_OBJECT

 public:
  explicit HintPanel(QWidget* parent);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  bool pressed_ = false;
};

}  // namespace candelor::qt
