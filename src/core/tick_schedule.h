#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/form.h"

namespace candelor {

// When the two solving tickers need to wake. A tick that reads what the last tick read writes
// what it already wrote, so a running ticker is woken only at the next step of its 50 ms grid
// after something a tick reads may have changed (a text, the solving direction, an answered
// message, the minute of the clock line). A ticker the logic started stays running meanwhile.
class TickSchedule {
 public:
  static bool Solving(Timer t) { return t == Timer::Timer1 || t == Timer::Timer2; }

  void Start(Timer t, std::int64_t now) {
    running_[Index(t)] = true;
    phase_[Index(t)] = now;
    changed_ = true;
  }
  void Stop(Timer t) { running_[Index(t)] = false; }
  bool Running(Timer t) const { return running_[Index(t)]; }

  // Something a tick reads may have changed.
  void Changed() { changed_ = true; }

  // When the ticker is next due, after `now`; none while nothing changed.
  std::optional<std::int64_t> Due(Timer t, std::int64_t now) const {
    if (!running_[Index(t)] || !changed_) return std::nullopt;
    return StepAfter(t, now);
  }

  // The ticker's first step on its grid after `time`.
  std::int64_t StepAfter(Timer t, std::int64_t time) const {
    const std::int64_t step = TimerInterval(t), since = time - phase_[Index(t)];
    return phase_[Index(t)] + (since / step + 1) * step;
  }

  // A tick begins: it takes in everything changed so far.
  void Ticking() { changed_ = false; }

 private:
  static int Index(Timer t) { return t == Timer::Timer2 ? 1 : 0; }
  std::array<bool, 2> running_{};
  std::array<std::int64_t, 2> phase_{};
  bool changed_ = false;
};

}  // namespace candelor
