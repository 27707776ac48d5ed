#pragma once

#include "core/session.h"

namespace candelor {

// Feet to metres when switching to metric; the way back divides by a slightly different
// constant, as the calculator always has.
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kMetresPerFootBack = 0.304725;

// Runs when an option button becomes selected: captions, then the three room lengths converted
// and written (metres to two decimals, feet to one), each write committing its box.
void ConvertRoomUnits(Session& s, UnitSystem units);

// Runs when the level-unit button is pressed: the level converted to a whole number of the
// other unit, ties to even, written into the level box, which then gets the focus.
void ToggleLevelUnit(Session& s);

}  // namespace candelor
