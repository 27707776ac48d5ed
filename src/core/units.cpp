#include "core/units.h"

#include <cstdint>

#include "core/text.h"

namespace candelor {

void ConvertRoomUnits(Session& s, UnitSystem units) {
  CalcState& st = s.state;
  if (units == st.units) return;
  st.units = units;
  const bool metric = units == UnitSystem::Metric;
  const char* length = metric ? "m" : "Ft";
  for (Control c : {Control::Unit0, Control::Unit1, Control::Unit2, Control::Unit3}) {
    s.Write(c, length);
  }
  s.Write(Control::Area, metric ? "Sqm" : "SqFt");

  // All three lengths are converted from the room as it was before the switch, and written in
  // an order in which the partly converted room never looks too low for its cavity (the check
  // compares a length with an area, so it is not unit-free): otherwise a nested repair could
  // replace the cavity height before its own conversion.
  auto convert = [&](float v) {
    return ToSingle(metric ? static_cast<double>(v) * kMetresPerFoot
                           : static_cast<double>(v) / kMetresPerFootBack);
  };
  const float RL = convert(st.RL), RW = convert(st.RW), RCH = convert(st.RCH);
  const char* pattern = metric ? "0.00" : "0.0";
  auto write = [&](Control box, float& field, float value) {
    field = value;
    s.Write(box, FormatFixed(value, pattern));
  };
  if (metric) {
    write(Control::RCH, st.RCH, RCH);
    write(Control::RL, st.RL, RL);
    write(Control::RW, st.RW, RW);
  } else {
    write(Control::RL, st.RL, RL);
    write(Control::RW, st.RW, RW);
    write(Control::RCH, st.RCH, RCH);
  }
}

void ToggleLevelUnit(Session& s) {
  CalcState& st = s.state;
  st.LLV = ToSingle(LeadingValue(s.Read(Control::LLV)));
  double converted = 0.0;
  if (s.Read(Control::LU) == "FC") {
    s.Write(Control::LU, "Lux");
    converted = static_cast<double>(st.LLV) * kLuxPerFootCandle;
    st.levelUnit = IlluminanceUnit::Lux;
  } else {
    s.Write(Control::LU, "FC");
    converted = static_cast<double>(st.LLV) / kLuxPerFootCandle;
    st.levelUnit = IlluminanceUnit::FC;
  }
  // A whole 32-bit number; a level beyond it is held at the limit, which the next tick reports
  // as out of range.
  double whole = RoundHalfEven(converted);
  if (whole > INT32_MAX) whole = INT32_MAX;
  if (whole < INT32_MIN) whole = INT32_MIN;
  st.LLV = ToSingle(whole);
  s.Write(Control::LLV, SingleText(st.LLV));
  s.form.Focus(Control::LLV);
}

}  // namespace candelor
