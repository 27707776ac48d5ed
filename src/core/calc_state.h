#pragma once

#include <cstdint>
#include <optional>

namespace candelor {

// Feet and square feet, or metres and square metres: the unit of lengths and area.
enum class UnitSystem { Imperial, Metric };

// The unit of the lighting level.
enum class IlluminanceUnit { FC, Lux };

// Which quantity the ticks solve: luminaires from the level, or the level from luminaires.
enum class SolveMode { FindLuminaires, FindLevel };

// Where the focus goes 150 ms after a catalogue choice.
enum class PendingFocus { LampLumens, LightingLevel, NoFocus };

// One foot-candle in lux; the only conversion between the two level units.
inline constexpr double kLuxPerFootCandle = 10.7643;

// The calculator's quantities, each named after the control that shows it. These are the last
// values read, committed or derived; the window's texts remain the inputs of every tick.
struct CalcState {
  float RL = 10.0f;                 // room length
  float RW = 10.0f;                 // room width
  float RCH = 6.0f;                 // room cavity height
  float RA = 100.0f;                // room area, derived
  float RCR = 6.0f;                 // room cavity ratio, derived, kept to hundredths
  float COU = 0.55f;                // coefficient of utilization
  std::int16_t NOL = 2;             // lamps per luminaire
  std::int32_t LL = 2850;           // lamp lumens
  float LLD = 0.90f;                // lamp lumen depreciation
  float LDD = 0.85f;                // luminaire dirt depreciation
  float LLF = 0.76f;                // light loss factor, derived, kept to hundredths
  float NOF = 2.0f;                 // number of luminaires, fractional
  float LLV = 60.0f;                // lighting level, in the level unit shown
  std::optional<float> FS;          // equal luminaire spacing; empty while undefined
  std::optional<float> Uniformity;  // FS / RCH; empty with FS
  UnitSystem units = UnitSystem::Imperial;
  IlluminanceUnit levelUnit = IlluminanceUnit::FC;  // the one record of the level's unit
  // 1 in foot-candles, 10.7643 in lux.
  float LevelFactor() const {
    return levelUnit == IlluminanceUnit::Lux ? static_cast<float>(kLuxPerFootCandle) : 1.0f;
  }
  PendingFocus pendingFocus = PendingFocus::NoFocus;
};

}  // namespace candelor
