#pragma once

#include <cstdint>
#include <optional>

#include "core/model.h"
#include "core/session.h"

namespace candelor {

// The recalculation driver: every 50 ms one ticker reads the inputs from the window's texts,
// solves in its direction and writes the result, spacing, uniformity and clock line back.

// What a tick reads from the window's texts, by the parsing rules; `given` is the level or the
// number of luminaires. A count that does not fit its integer width is empty.
struct TickReading {
  std::optional<std::int32_t> LL;
  std::optional<std::int16_t> NOL;
  float COU = 0.0f, LLF = 0.0f, RA = 0.0f, given = 0.0f, RCH = 0.0f;
  IlluminanceUnit levelUnit = IlluminanceUnit::FC;
  // The operands of a solve; empty when a count did not fit, which is bad data.
  std::optional<SolveInputs> Inputs(UnitSystem units) const;
};
TickReading ReadTick(const Session& s, Control given);

// FindLuminaires runs Timer1 and stops Timer2; FindLevel the reverse. Timer3 is left alone.
void SetSolveMode(Session& s, SolveMode mode);

// The box that the deferred focus after a catalogue choice goes to.
void SetPendingFocus(Session& s, PendingFocus focus);

// Starts Timer4: the focus moves 150 ms later, once the menu has closed.
void StartDeferredFocus(Session& s);

// The ticks of Timer1 (luminaires from the level) and Timer2 (the level from luminaires).
void TickFindLuminaires(Session& s);
void TickFindLevel(Session& s);

// Timer3, 4 s after a data error: back to finding luminaires.
void TickRecovery(Session& s);

// Timer4: focus and select the box of the pending focus.
void TickDeferredFocus(Session& s);

// The clock line written by the ticks: " dddd,  mmmm  dd,   h:mm" (three blanks before the hour
// when finding luminaires, two when finding the level).
std::string ClockLine(const LocalDateTime& t, int blanksBeforeHour);

}  // namespace candelor
