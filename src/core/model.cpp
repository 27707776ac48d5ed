#include "core/model.h"

#include <cmath>

#include "core/text.h"

namespace candelor {

RoomResult DeriveRoom(float RL, float RW, float RCH) {
  RoomResult r;
  // The area carries at most seven significant digits, exactly as displayed.
  float product = ToSingle(static_cast<double>(RW) * RL);
  r.RA = ToSingle(LeadingValue(SingleText(product)));
  if (r.RA > 0.0f && RCH > r.RA) {
    r.outcome = RoomOutcome::CavityTooHigh;
    return r;
  }
  double hundredths = (static_cast<double>(RW) + RL) * (static_cast<double>(RCH) * 500.0) / r.RA;
  // A wide integer keeps ratios above 327.67 true instead of wrapping them.
  auto whole = RoundToInt64(hundredths);
  if (!whole) {
    r.outcome = RoomOutcome::RatioUndefined;
    return r;
  }
  r.RCR = ToSingle(static_cast<double>(*whole) / 100.0);
  return r;
}

std::optional<float> DeriveLightLoss(float LLD, float LDD) {
  double product = static_cast<double>(LLD) * 100.0 * LDD;
  auto whole = RoundToInt64(product);
  if (!whole) return std::nullopt;
  return ToSingle(static_cast<double>(*whole) / 100.0);
}

std::optional<std::int32_t> LuminaireLumens(std::int16_t NOL, std::int32_t LL) {
  std::int64_t product = static_cast<std::int64_t>(NOL) * LL;
  if (product < INT32_MIN || product > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(product);
}

namespace {

// The check product of the positivity tests, rounded to single as the calculator forms it.
float CheckProduct(float P, const SolveInputs& in) {
  return ToSingle(static_cast<double>(P) * in.COU * in.LLF * in.given);
}

SolveResult DataError() {
  return {SolveOutcome::DataError, 0.0f, false};
}

}  // namespace

SolveResult SolveLuminaires(const SolveInputs& in) {
  if (static_cast<double>(in.given) >= kLevelLimit) return {SolveOutcome::OutOfRange, 0.0f, false};
  auto lumens = LuminaireLumens(in.NOL, in.LL);
  if (!lumens) return DataError();
  const double P = static_cast<float>(*lumens);
  if (in.RA == 0.0f || CheckProduct(static_cast<float>(P), in) <= 0.0f) return DataError();

  const double RA = in.RA, LLV = in.given, COU = in.COU, LLF = in.LLF;
  const double installed = P * COU * LLF;
  double nof = 0.0;
  if (in.levelUnit == IlluminanceUnit::FC && in.units == UnitSystem::Metric) {
    nof = (RA * 107.643 * LLV) / installed / 10.0;
  } else if (in.levelUnit == IlluminanceUnit::Lux && in.units == UnitSystem::Imperial) {
    nof = (RA * LLV / 1.07643) / installed / 10.0;
  } else {
    nof = (RA * 10.0 * LLV) / installed / 10.0;
  }
  auto fitted = FitSingle(nof);
  if (!fitted) return DataError();
  float solved = *fitted;
  if (static_cast<double>(solved) >= kLuminairesLimit) {
    return {SolveOutcome::OutOfRange, static_cast<float>(kLuminairesLimit), true};
  }
  return {SolveOutcome::Solved, solved, false};
}

SolveResult SolveLevel(const SolveInputs& in) {
  if (static_cast<double>(in.given) >= kLuminairesLimit) {
    return {SolveOutcome::OutOfRange, 0.0f, false};
  }
  auto lumens = LuminaireLumens(in.NOL, in.LL);
  if (!lumens) return DataError();
  const float Pf = static_cast<float>(*lumens);
  if (in.RA == 0.0f || CheckProduct(Pf, in) < 0.0f) return DataError();

  const double P = Pf, RA = in.RA, NOF = in.given, COU = in.COU, LLF = in.LLF;
  double level = 0.0;
  if (in.levelUnit == IlluminanceUnit::FC && in.units == UnitSystem::Metric) {
    level = P * COU * LLF * NOF / (RA * kLuxPerFootCandle);
  } else if (in.levelUnit == IlluminanceUnit::Lux && in.units == UnitSystem::Imperial) {
    level = static_cast<double>(in.LL) * kLuxPerFootCandle * in.NOL * COU * LLF * NOF / RA;
  } else {
    level = P * COU * LLF * NOF / RA;
  }
  auto fitted = FitSingle(level);
  if (!fitted) return DataError();
  float solved = *fitted;
  if (static_cast<double>(solved) >= kLevelLimit) {
    return {SolveOutcome::OutOfRange, static_cast<float>(kLevelLimit), true};
  }
  return {SolveOutcome::Solved, solved, false};
}

SpacingResult DeriveSpacing(float RA, float NOF, float RCH) {
  SpacingResult r;
  if (NOF <= 1.5f) return r;
  // A tiny cavity height makes the ratio overflow single: a fault, not the largest single.
  auto fs = FitSingle(std::sqrt(static_cast<double>(RA) / NOF));
  if (!fs) return {SpacingOutcome::Fault, 0.0f, 0.0f};
  r.FS = *fs;
  auto u = FitSingle(static_cast<double>(r.FS) / RCH);
  if (!u) return {SpacingOutcome::Fault, 0.0f, 0.0f};
  r.Uniformity = *u;
  r.outcome = SpacingOutcome::Derived;
  return r;
}

}  // namespace candelor
