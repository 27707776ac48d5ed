#include "support/headless_form.h"

#include <algorithm>
#include <chrono>

namespace candelor::testing {

std::u16string ToUtf16(std::string_view s) {
  std::u16string out;
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80           ? 0
                : (c >> 5) == 0x6  ? 1
                : (c >> 4) == 0xE  ? 2
                : (c >> 3) == 0x1E ? 3
                                   : -1;
    char32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
    bool ok = extra >= 0;
    for (int k = 1; ok && k <= extra; ++k) {
      if (i + k >= s.size()) {
        ok = false;
        break;
      }
      unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0) != 0x80) ok = false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (!ok || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out.push_back(u'\uFFFD');
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

std::string ToUtf8(std::u16string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t cp = s[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
        s[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (s[++i] - 0xDC00);
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

HeadlessForm::HeadlessForm() {
  for (int i = 0; i < kControlCount; ++i) {
    auto c = static_cast<Control>(i);
    texts_[i] = ToUtf16(StartUpText(c));
    selections_[i] = {static_cast<int>(texts_[i].size()), 0};
  }
}

std::string HeadlessForm::Text(Control c) const {
  return ToUtf8(texts_[Index(c)]);
}

void HeadlessForm::SetText(Control c, std::string_view text) {
  std::u16string t = ToUtf16(text);
  // Writing the text a control already holds changes nothing, not even a box's selection.
  if (texts_[Index(c)] == t) return;
  histories_[Index(c)].Clear();
  int cursor = static_cast<int>(t.size());
  UserEdit(c, std::move(t), cursor);
}

void HeadlessForm::UserEdit(Control c, std::u16string text, Selection selection) {
  if (!IsTextBox(c)) {
    // The clock line and the hints are nothing a tick reads.
    if (c != Control::LabelTime && c != Control::Stat && texts_[Index(c)] != text)
      schedule_.Changed();
    texts_[Index(c)] = std::move(text);
    return;
  }
  // A user's edit leaves the cursor after it; the box raises its change only when the text
  // really changes.
  selections_[Index(c)] = selection;
  if (texts_[Index(c)] == text) return;
  texts_[Index(c)] = std::move(text);
  schedule_.Changed();
  if (events_) events_->TextChanged(c);
}

Selection HeadlessForm::GetSelection(Control c) const {
  return selections_[Index(c)];
}

void HeadlessForm::Select(Control c, int start, int length) {
  const int size = static_cast<int>(texts_[Index(c)].size());
  start = std::clamp(start, 0, size);
  length = std::clamp(length, 0, size - start);
  selections_[Index(c)] = {start, length};
}

void HeadlessForm::Focus(Control c) {
  if (focused_ == c) return;
  Control old = focused_;
  focused_ = c;
  if (events_) {
    events_->FocusLost(old);
    events_->FocusGained(c);
  }
}

void HeadlessForm::SetAlignment(Control, Alignment a) {
  alignment_ = a;
}

void HeadlessForm::StartTimer(Timer t) {
  if (IsTimerRunning(t)) return;
  if (TickSchedule::Solving(t)) return schedule_.Start(t, now_);
  running_[Index(t)] = true;
  due_[Index(t)] = now_ + TimerInterval(t);
}

void HeadlessForm::StopTimer(Timer t) {
  if (TickSchedule::Solving(t)) return schedule_.Stop(t);
  running_[Index(t)] = false;
}

bool HeadlessForm::IsTimerRunning(Timer t) const {
  return TickSchedule::Solving(t) ? schedule_.Running(t) : running_[Index(t)];
}

void HeadlessForm::Advance(int ms) {
  const std::int64_t target = now_ + ms;
  for (;;) {
    // The solving tickers wake as the window's do: after a change, or at the clock's next minute.
    std::array<std::optional<std::int64_t>, 4> due{};
    for (int i = 0; i < 4; ++i) {
      const auto t = static_cast<Timer>(i);
      if (TickSchedule::Solving(t)) {
        due[i] = schedule_.Due(t, now_);
        if (!due[i] && schedule_.Running(t) && nextMinute_ <= target)
          due[i] = schedule_.StepAfter(t, nextMinute_ - 1);
      } else if (running_[i]) {
        due[i] = due_[i];
      }
    }
    int next = -1;
    for (int i = 0; i < 4; ++i) {
      if (due[i] && *due[i] <= target && (next < 0 || *due[i] < *due[next])) next = i;
    }
    if (next < 0) break;
    now_ = std::max(now_, *due[next]);
    const auto t = static_cast<Timer>(next);
    if (TickSchedule::Solving(t)) {
      schedule_.Ticking();
      ++ticks_;
      // The clock line this tick writes holds until the next minute.
      const std::int64_t intoMinute = (start_.second * 1000 + now_) % 60000;
      nextMinute_ = now_ - intoMinute + 60000;
    } else {
      due_[next] += TimerInterval(t);
    }
    if (events_) events_->TimerFired(t);
  }
  now_ = std::max(now_, target);
}

MessageAnswer HeadlessForm::ShowMessage(const Message& m) {
  messages_.push_back(m);
  ++openMessages_;
  MessageAnswer answer = MessageAnswer::Ok;
  if (!script_.empty()) {
    Answer next = std::move(script_.front());
    script_.pop_front();
    answer = next(m);
  }
  --openMessages_;
  schedule_.Changed();  // a tick that found the message open waited for its answer
  return answer;
}

bool HeadlessForm::PutOnClipboard(std::string_view text) {
  if (!clipboardWritable) return false;
  clipboard = std::string(text);
  return true;
}

LocalDateTime HeadlessForm::Now() const {
  using namespace std::chrono;
  sys_days day = year_month_day{year{start_.year}, month{static_cast<unsigned>(start_.month)},
                                std::chrono::day{static_cast<unsigned>(start_.day)}};
  auto t = day + hours{start_.hour} + minutes{start_.minute} + seconds{start_.second} +
           milliseconds{now_};
  auto d = floor<days>(t);
  year_month_day ymd{d};
  hh_mm_ss hms{floor<seconds>(t - d)};
  LocalDateTime out;
  out.year = static_cast<int>(ymd.year());
  out.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  out.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  out.hour = static_cast<int>(hms.hours().count());
  out.minute = static_cast<int>(hms.minutes().count());
  out.second = static_cast<int>(hms.seconds().count());
  out.weekday = static_cast<int>(weekday{d}.c_encoding());
  return out;
}

// English (United States): "6/26/2023" and "3:45:12 PM".
std::string HeadlessForm::LocaleDate(const LocalDateTime& t) const {
  return std::to_string(t.month) + "/" + std::to_string(t.day) + "/" + std::to_string(t.year);
}

std::string HeadlessForm::LocaleTime(const LocalDateTime& t) const {
  int h12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
  auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  return std::to_string(h12) + ":" + two(t.minute) + ":" + two(t.second) +
         (t.hour < 12 ? " AM" : " PM");
}

}  // namespace candelor::testing
