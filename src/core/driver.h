#pragma once

#include "core/session.h"

namespace candelor {

// The recalculation driver: every 50 ms one ticker reads the inputs from the window's texts,
// solves in its direction and writes the result, spacing, uniformity and clock line back.

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
