#pragma once

#include <cstdint>
#include <optional>

#include "core/calc_state.h"

namespace candelor {

// The pure operations of the zonal cavity method. Operands are the stored single values;
// arithmetic is carried in double in the stated order and results are rounded to single.
// Arithmetic faults (division by zero, overflow, invalid operations) come back as outcomes.

enum class RoomOutcome {
  Derived,         // area and ratio are valid
  CavityTooHigh,   // the cavity is higher than the area is large; the caller replaces RCH by RA
  RatioUndefined,  // the area is zero, so no ratio exists; the caller keeps the last ratio
};

struct RoomResult {
  RoomOutcome outcome = RoomOutcome::Derived;
  float RA = 0.0f;
  float RCR = 0.0f;  // valid with Derived only
};

// Area (through its 7-digit text) and room cavity ratio to hundredths, ties to even.
RoomResult DeriveRoom(float RL, float RW, float RCH);

// Light loss factor to hundredths; empty on an arithmetic fault.
std::optional<float> DeriveLightLoss(float LLD, float LDD);

// Lumens of one luminaire as an int32; empty when the product does not fit.
std::optional<std::int32_t> LuminaireLumens(std::int16_t NOL, std::int32_t LL);

enum class SolveOutcome { Solved, DataError, OutOfRange };

struct SolveResult {
  SolveOutcome outcome = SolveOutcome::Solved;
  float value = 0.0f;   // the solved quantity; with OutOfRange after solving, the capped value
  bool capped = false;  // OutOfRange found after solving: value holds the cap to be written
};

// The calculator's range: levels below 9999999, luminaires below 999999.
inline constexpr double kLevelLimit = 9999999.0;
inline constexpr double kLuminairesLimit = 999999.0;

struct SolveInputs {
  float RA = 0.0f;
  float given = 0.0f;  // LLV when finding luminaires, NOF when finding the level
  std::int16_t NOL = 0;
  std::int32_t LL = 0;
  float COU = 0.0f;
  float LLF = 0.0f;
  UnitSystem units = UnitSystem::Imperial;
  IlluminanceUnit levelUnit = IlluminanceUnit::FC;
};

// Number of luminaires for the given level. A fault is reported as DataError.
SolveResult SolveLuminaires(const SolveInputs& in);

// Lighting level for the given number of luminaires. A fault is reported as DataError.
SolveResult SolveLevel(const SolveInputs& in);

enum class SpacingOutcome { Derived, Undefined, Fault };

struct SpacingResult {
  SpacingOutcome outcome = SpacingOutcome::Undefined;
  float FS = 0.0f;
  float Uniformity = 0.0f;
};

// Equal spacing sqrt(RA / NOF) and its ratio to RCH; undefined for 1.5 luminaires or fewer.
SpacingResult DeriveSpacing(float RA, float NOF, float RCH);

}  // namespace candelor
