#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/form.h"
#include "core/tick_schedule.h"
#include "support/line_history.h"

namespace candelor::testing {

// UTF-8 and UTF-16 conversions as a text box holds its text; invalid bytes become U+FFFD.
std::u16string ToUtf16(std::string_view utf8);
std::string ToUtf8(std::u16string_view utf16);

// The port without a display: texts in memory, focus and selections, a virtual clock that
// fires due tickers in order when a test advances time, scripted answers to messages with a log
// of every message shown, and a clipboard.
class HeadlessForm : public Form {
 public:
  HeadlessForm();

  void Attach(FormEvents* events) { events_ = events; }

  // The port.
  std::string Text(Control c) const override;
  void SetText(Control c, std::string_view text) override;
  Selection GetSelection(Control c) const override;
  void Select(Control c, int start, int length) override;
  void Focus(Control c) override;
  Control Focused() const override { return focused_; }
  void SetAlignment(Control c, Alignment a) override;
  void StartTimer(Timer t) override;
  void StopTimer(Timer t) override;
  bool IsTimerRunning(Timer t) const override;
  MessageAnswer ShowMessage(const Message& m) override;
  bool PutOnClipboard(std::string_view text) override;
  LocalDateTime Now() const override;
  std::string LocaleDate(const LocalDateTime& t) const override;
  std::string LocaleTime(const LocalDateTime& t) const override;

  // A user's edit of a box: the new text with the cursor at `cursor`, the commit runs.
  void UserEdit(Control c, std::u16string text, int cursor) {
    UserEdit(c, std::move(text), {cursor, 0});
  }
  // The same, leaving a selection (an undo puts back the one it had).
  void UserEdit(Control c, std::u16string text, Selection selection);
  std::u16string Text16(Control c) const { return texts_[Index(c)]; }
  // A box's undo history; a program write of a new text clears it.
  LineHistory& History(Control c) { return histories_[Index(c)]; }
  // The user moves a box's cursor (a click, an arrow, Home or End).
  void MoveCursor(Control c, int cursor) {
    if (cursor != selections_[Index(c)].start + selections_[Index(c)].length) History(c).Moved();
    Select(c, cursor, 0);
  }

  // The virtual clock: fires every ticker that falls due within `ms`, in order of time.
  void Advance(int ms);
  std::int64_t Millis() const { return now_; }
  // How many solving ticks have run: an untouched form runs none.
  int SolvingTicks() const { return ticks_; }
  void SetClock(const LocalDateTime& start) { start_ = start; }

  // Messages: answers are taken from the script in order; without one the answer is OK. An
  // answer may act while its message is open (advance the clock, for instance).
  using Answer = std::function<MessageAnswer(const Message&)>;
  void ScriptAnswer(Answer answer) { script_.push_back(std::move(answer)); }
  void ScriptAnswer(MessageAnswer answer) {
    script_.push_back([answer](const Message&) { return answer; });
  }
  const std::vector<Message>& Messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }
  bool MessageOpen() const { return openMessages_ > 0; }

  std::string clipboard;
  bool clipboardWritable = true;
  Alignment StatAlignment() const { return alignment_; }

 private:
  static int Index(Control c) { return static_cast<int>(c); }
  static int Index(Timer t) { return static_cast<int>(t); }

  FormEvents* events_ = nullptr;
  std::array<std::u16string, kControlCount> texts_{};
  std::array<Selection, kControlCount> selections_{};
  std::array<LineHistory, kControlCount> histories_{};
  Control focused_ = Control::Background;
  Alignment alignment_ = Alignment::LeftMiddle;
  std::array<bool, 4> running_{};  // Timer3 and Timer4; the solving tickers are scheduled
  TickSchedule schedule_;
  int ticks_ = 0;
  std::int64_t nextMinute_ = 0;  // when the clock line next changes, once a tick has written it
  std::array<std::int64_t, 4> due_{};
  std::int64_t now_ = 0;
  LocalDateTime start_{2026, 12, 6, 9, 5, 0, 0};
  std::deque<Answer> script_;
  std::vector<Message> messages_;
  int openMessages_ = 0;
};

}  // namespace candelor::testing
