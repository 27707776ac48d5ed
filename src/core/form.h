#pragma once

#include <string>
#include <string_view>

#include "core/controls.h"

namespace candelor {

// The four tickers of the main window.
enum class Timer { Timer1, Timer2, Timer3, Timer4 };

// Interval of each ticker in milliseconds: the two solving ticks, the data-error recovery and
// the deferred focus after a catalogue choice.
constexpr int TimerInterval(Timer t) {
  switch (t) {
    case Timer::Timer1:
    case Timer::Timer2:
      return 50;
    case Timer::Timer3:
      return 4000;
    case Timer::Timer4:
      return 150;
  }
  return 50;
}

enum class MessageIcon { Information, Warning, Error };
enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

// A modal message box as the user sees it.
struct Message {
  std::string text;
  std::string title;
  MessageIcon icon = MessageIcon::Warning;
  MessageButtons buttons = MessageButtons::Ok;
  bool operator==(const Message&) const = default;
};

// The title of every message box that has none of its own.
inline constexpr std::string_view kApplicationTitle = "TavrinGroup";

// A key pressed in a box: the luminaires and level boxes choose the solving direction, and the
// Up and Down arrows step. The key then goes on to the box as usual.
enum class Key { Up, Down, Other };

// Text alignment of the hint panel: left for hints, centred for the close prompt.
enum class Alignment { LeftMiddle, CentreMiddle };

// A selection in a text box, in UTF-16 code units.
struct Selection {
  int start = 0;
  int length = 0;
  bool operator==(const Selection&) const = default;
};

// A local date and time; weekday 0 is Sunday.
struct LocalDateTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0, weekday = 6;
};

// What the window tells the logic of its own accord, and what the port's operations may cause:
// a changed text (by typing or by a write), a focus change, a ticker's tick.
class FormEvents {
 public:
  virtual ~FormEvents() = default;
  virtual void TextChanged(Control c) = 0;
  virtual void FocusGained(Control c) = 0;
  virtual void FocusLost(Control c) = 0;
  virtual void TimerFired(Timer t) = 0;
};

// The one narrow port between the calculator's logic and its window. The Qt main window
// implements it, and so does a headless form with a virtual clock for tests.
class Form {
 public:
  virtual ~Form() = default;

  // The text of a box or the caption of a label, button or option.
  virtual std::string Text(Control c) const = 0;

  // Sets a text or caption. For a text box whose text changes, the box's commit runs at once,
  // nested, before this returns; writing the text it already holds runs nothing.
  virtual void SetText(Control c, std::string_view text) = 0;

  virtual Selection GetSelection(Control c) const = 0;
  virtual void Select(Control c, int start, int length) = 0;

  // Gives a control the keyboard focus; a change of focus reports FocusLost and FocusGained.
  virtual void Focus(Control c) = 0;
  virtual Control Focused() const = 0;

  // Alignment of the hint panel's text.
  virtual void SetAlignment(Control c, Alignment a) = 0;

  // Starts a ticker with its interval; a ticker already running keeps its phase.
  virtual void StartTimer(Timer t) = 0;
  virtual void StopTimer(Timer t) = 0;
  virtual bool IsTimerRunning(Timer t) const = 0;

  // Shows a modal message box and waits for the user's answer.
  virtual MessageAnswer ShowMessage(const Message& m) = 0;

  // Clears the clipboard and puts the text on it as plain text; false when the clipboard does
  // not hold the text afterwards.
  virtual bool PutOnClipboard(std::string_view text) = 0;

  // The current local date and time, and its texts in the user's locale: the short date with a
  // four-digit year, and the long time with seconds and without a time-zone name.
  virtual LocalDateTime Now() const = 0;
  virtual std::string LocaleDate(const LocalDateTime& t) const = 0;
  virtual std::string LocaleTime(const LocalDateTime& t) const = 0;
};

}  // namespace candelor
