#include "input/stepping.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/driver.h"
#include "core/text.h"

namespace candelor {
namespace {

constexpr bool Down(StepDirection d) {
  return d == StepDirection::Down;
}

std::int32_t LampLumensBand(std::int32_t v) {
  if (v < 500) return 25;
  if (v < 1100) return 50;
  if (v < 2000) return 100;
  if (v < 5000) return 250;
  return 500;
}

template <typename Int>
Int ClampedRound(double x) {
  double r = RoundHalfEven(x);
  if (std::isnan(r)) return 0;
  r = std::clamp(r, static_cast<double>(std::numeric_limits<Int>::min()),
                 static_cast<double>(std::numeric_limits<Int>::max()));
  return static_cast<Int>(r);
}

}  // namespace

float StepRoomSide(float v, StepDirection d) {
  const double x = v;
  if (Down(d)) {
    if (v < 2.0f) return 1.0f;
    if (v < 35.0f) return ToSingle(RoundHalfEven(10 * x - 10) / 10);
    if (v < 90.0f) return ToSingle(RoundHalfEven(x / 5 - 1) * 5);
    return ToSingle(RoundHalfEven(x / 10 - 1) * 10);
  }
  if (v < 35.0f) return ToSingle(RoundHalfEven(10 * x + 10) / 10);
  if (v < 90.0f) return ToSingle(std::floor(x / 5 + 1) * 5);
  if (v <= 9989.0f) return ToSingle(std::floor(x / 10 + 1) * 10);
  return 9999.0f;
}

float StepCavityHeight(float v, StepDirection d) {
  const double x = v;
  if (Down(d)) {
    if (v < 3.0f) return 2.75f;
    if (v < 11.0f) return ToSingle((RoundHalfEven(x / 0.25) - 1) * 0.25);
    return ToSingle((RoundHalfEven(x / 0.5) - 1) * 0.5);
  }
  if (v < 11.0f) return ToSingle((RoundHalfEven(x / 0.25) + 1) * 0.25);
  return ToSingle((RoundHalfEven(x / 0.5) + 1) * 0.5);
}

float StepUtilization(float v, StepDirection d) {
  if (Down(d)) return v <= 0.05f ? 0.04f : ToSingle(static_cast<double>(v) - 0.01);
  return v < 1.4f ? ToSingle(static_cast<double>(v) + 0.01) : 1.4f;
}

float StepDepreciation(float v, StepDirection d) {
  const double x = v;
  if (Down(d)) return v <= 0.05f ? 0.04f : ToSingle(RoundHalfEven(100 * x - 1) / 100);
  return v < 0.99f ? ToSingle(RoundHalfEven(100 * x + 1) / 100) : 0.99f;
}

std::int32_t StepLampLumens(std::int32_t v, StepDirection d) {
  const double s = LampLumensBand(v);
  if (Down(d)) {
    if (v <= 100) return 100;
    return static_cast<std::int32_t>(std::floor(v / s - 1) * s);
  }
  if (v >= kMaxLampLumens) return v;
  return static_cast<std::int32_t>(std::min<double>(std::floor(v / s + 1) * s, kMaxLampLumens));
}

std::int16_t StepLampCount(std::int16_t v, StepDirection d) {
  if (Down(d)) return v <= 2 ? 1 : static_cast<std::int16_t>(v - 1);
  if (v >= kMaxLampCount) return v;
  return static_cast<std::int16_t>(v + 1);
}

float StepLuminaires(float v, StepDirection d) {
  const double x = v;
  if (Down(d)) {
    if (v <= 2.0f) return 1.0f;
    if (v <= 1000.0f) return ToSingle(RoundHalfEven(x - 1));
    return ToSingle(x - 10);
  }
  return ToSingle(std::floor(x + 1));
}

float StepLevel(float v, StepDirection d) {
  const double x = v;
  if (Down(d)) {
    if (v <= 1.0f) return 1.0f;
    if (v < 35.0f) return ToSingle(std::floor(10 * x - 10) / 10);
    if (v < 100.0f) return ToSingle(RoundHalfEven(x / 5 - 1) * 5);
    if (v < 1000.0f) return ToSingle(RoundHalfEven(x / 10 - 1) * 10);
    return ToSingle(x - 100);
  }
  if (v < 35.0f) return ToSingle(RoundHalfEven(10 * x + 10) / 10);
  if (v < 100.0f) return ToSingle(std::floor(x / 5 + 1) * 5);
  if (v < 1000.0f) return ToSingle(std::floor(x / 10 + 1) * 10);
  return ToSingle(x + 100);
}

void StepBox(Session& s, Control box, StepDirection d) {
  CalcState& st = s.state;
  if (box == Control::NOF) SetSolveMode(s, SolveMode::FindLevel);
  if (box == Control::LLV) SetSolveMode(s, SolveMode::FindLuminaires);
  const double read = LeadingValue(s.Read(box));
  const float v = ToSingle(read);
  std::string text;
  auto single = [&](float& field, float value) {
    field = value;
    text = SingleText(value);
  };
  switch (box) {
    case Control::RL:
      single(st.RL, StepRoomSide(v, d));
      break;
    case Control::RW:
      single(st.RW, StepRoomSide(v, d));
      break;
    case Control::RCH:
      single(st.RCH, StepCavityHeight(v, d));
      break;
    case Control::COU:
      single(st.COU, StepUtilization(v, d));
      break;
    case Control::LLD:
      single(st.LLD, StepDepreciation(v, d));
      break;
    case Control::LDD:
      single(st.LDD, StepDepreciation(v, d));
      break;
    case Control::NOF:
      single(st.NOF, StepLuminaires(v, d));
      break;
    case Control::LLV:
      single(st.LLV, StepLevel(v, d));
      break;
    case Control::LL:
      // A count beyond its integer is held at the integer's limit before stepping.
      st.LL = StepLampLumens(ClampedRound<std::int32_t>(read), d);
      text = IntegerText(st.LL);
      break;
    case Control::NOL:
      st.NOL = StepLampCount(ClampedRound<std::int16_t>(read), d);
      text = IntegerText(st.NOL);
      break;
    default:
      return;
  }
  s.Write(box, text);
  s.form.Focus(box);
  if (box == Control::LLD || box == Control::LDD) {
    s.form.Select(box, 2, 2);
  } else {
    s.SelectAll(box);
  }
}

void KeyInBox(Session& s, Control box, Key key) {
  if (box == Control::NOF) SetSolveMode(s, SolveMode::FindLevel);
  if (box == Control::LLV) SetSolveMode(s, SolveMode::FindLuminaires);
  if (key == Key::Down) StepBox(s, box, StepDirection::Down);
  if (key == Key::Up) StepBox(s, box, StepDirection::Up);
}

}  // namespace candelor
