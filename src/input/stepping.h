#pragma once

#include <cstdint>

#include "core/session.h"

namespace candelor {

enum class StepDirection { Down, Up };

// The next value on each quantity's grid, from the value read afresh from the box. The grids
// widen with the value; floors and caps as the spin buttons have always had them.
float StepRoomSide(float v, StepDirection d);
float StepCavityHeight(float v, StepDirection d);
float StepUtilization(float v, StepDirection d);
float StepDepreciation(float v, StepDirection d);
std::int32_t StepLampLumens(std::int32_t v, StepDirection d);
std::int16_t StepLampCount(std::int16_t v, StepDirection d);
float StepLuminaires(float v, StepDirection d);
float StepLevel(float v, StepDirection d);

// The largest values a user can type into the lamp count and lamp lumens boxes; the up steps
// stop there so that the lumens of one luminaire always fit.
inline constexpr std::int16_t kMaxLampCount = 999;
inline constexpr std::int32_t kMaxLampLumens = 999999;

// One step of a box by its spin button or arrow key: sets the solving direction for the
// luminaires and level boxes, writes the stepped text (which commits it), focuses the box and
// selects the value.
void StepBox(Session& s, Control box, StepDirection d);

void KeyInBox(Session& s, Control box, Key key);

}  // namespace candelor
