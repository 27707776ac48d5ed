#include "core/driver.h"

#include <array>
#include <optional>

#include "core/model.h"
#include "core/text.h"
#include "core/texts.h"

namespace candelor {
namespace {

// The inputs of one tick, stored as the last values read. Empty when a count does not fit its
// integer width, which the tick treats as bad data.
std::optional<SolveInputs> ReadInputs(Session& s, Control given) {
  const TickReading r = ReadTick(s, given);
  CalcState& st = s.state;
  st.COU = r.COU;
  st.LLF = r.LLF;
  st.RA = r.RA;
  st.RCH = r.RCH;
  if (!r.LL || !r.NOL) return std::nullopt;
  st.LL = *r.LL;
  st.NOL = *r.NOL;
  (given == Control::LLV ? st.LLV : st.NOF) = r.given;
  return r.Inputs(st.units);
}

// Writes the resets after an out-of-range value; the mode has already been switched.
void OutOfRangeSequence(Session& s) {
  s.Ask(OutOfRangeMessage());
  s.Write(Control::LL, "2850");
  s.Write(Control::RL, "10");
  s.Write(Control::RW, "10");
  s.Write(Control::NOL, "2");
  s.Write(Control::LLV, "60");
  s.Write(Control::NOF, "2");
  s.Write(Control::RA, "100");
  s.state.RA = 100.0f;
  s.state.LLV = 60.0f;
}

// Writes spacing and uniformity; false on an arithmetic fault.
bool WriteSpacing(Session& s, float NOF) {
  SpacingResult sp = DeriveSpacing(s.state.RA, NOF, s.state.RCH);
  if (sp.outcome == SpacingOutcome::Fault) return false;
  if (sp.outcome == SpacingOutcome::Undefined) {
    s.state.FS.reset();
    s.state.Uniformity.reset();
    s.Write(Control::FS, "--");
    s.Write(Control::Uniformity, "--");
  } else {
    s.state.FS = sp.FS;
    s.state.Uniformity = sp.Uniformity;
    s.Write(Control::FS, FormatFixed(sp.FS, "0.0"));
    s.Write(Control::Uniformity, FormatFixed(sp.Uniformity, "0.00"));
  }
  return true;
}

// A data error: the message, then (after it is dismissed) recovery through Timer3.
void DataError(Session& s, const Message& m, Timer running) {
  s.Ask(m);
  if (running == Timer::Timer1) {
    s.form.StopTimer(Timer::Timer1);
    s.form.StartTimer(Timer::Timer3);
  } else {
    s.form.StartTimer(Timer::Timer3);
    s.form.StopTimer(Timer::Timer2);
  }
}

}  // namespace

TickReading ReadTick(const Session& s, Control given) {
  TickReading r;
  r.LL = RoundToInt32(LeadingValue(s.Read(Control::LL)));
  r.NOL = RoundToInt16(LeadingValue(s.Read(Control::NOL)));
  r.COU = ToSingle(LeadingValue(s.Read(Control::COU)));
  r.LLF = ToSingle(LeadingValue(s.Read(Control::LLF)));
  r.RA = ToSingle(LeadingValue(s.Read(Control::RA)));
  r.given = ToSingle(LeadingValue(s.Read(given)));
  r.RCH = ToSingle(LeadingValue(s.Read(Control::RCH)));
  r.levelUnit = s.state.levelUnit;
  return r;
}

std::optional<SolveInputs> TickReading::Inputs(UnitSystem units) const {
  if (!LL || !NOL) return std::nullopt;
  SolveInputs in;
  in.RA = RA;
  in.given = given;
  in.NOL = *NOL;
  in.LL = *LL;
  in.COU = COU;
  in.LLF = LLF;
  in.units = units;
  in.levelUnit = levelUnit;
  return in;
}

std::string ClockLine(const LocalDateTime& t, int blanksBeforeHour) {
  static constexpr std::array<std::string_view, 7> kDays = {
      "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  static constexpr std::array<std::string_view, 12> kMonths = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  auto two = [](int v) {
    std::string digits = std::to_string(v);
    if (v < 10) digits.insert(digits.begin(), '0');
    return digits;
  };
  std::string line = " ";
  line += kDays[static_cast<std::size_t>(t.weekday % 7)];
  line += ",  ";
  line += kMonths[static_cast<std::size_t>((t.month + 11) % 12)];
  line += "  " + two(t.day) + ",";
  line += std::string(static_cast<std::size_t>(blanksBeforeHour), ' ');
  line += std::to_string(t.hour) + ":" + two(t.minute);
  return line;
}

void SetSolveMode(Session& s, SolveMode mode) {
  if (mode == SolveMode::FindLuminaires) {
    s.form.StartTimer(Timer::Timer1);
    s.form.StopTimer(Timer::Timer2);
  } else {
    s.form.StopTimer(Timer::Timer1);
    s.form.StartTimer(Timer::Timer2);
  }
}

void SetPendingFocus(Session& s, PendingFocus focus) {
  s.state.pendingFocus = focus;
}

void StartDeferredFocus(Session& s) {
  s.form.StartTimer(Timer::Timer4);
}

void TickFindLuminaires(Session& s) {
  auto in = ReadInputs(s, Control::LLV);
  if (!in) return DataError(s, IncorrectDataMessage(), Timer::Timer1);
  if (static_cast<double>(in->given) >= kLevelLimit) {
    SetSolveMode(s, SolveMode::FindLevel);
    return OutOfRangeSequence(s);
  }
  SolveResult r = SolveLuminaires(*in);
  if (r.outcome == SolveOutcome::DataError) {
    return DataError(s, IncorrectDataMessage(), Timer::Timer1);
  }
  if (r.outcome == SolveOutcome::OutOfRange) {
    if (r.capped) {  // solved beyond the range: the box shows the cap before the message
      s.state.NOF = r.value;
      s.Write(Control::NOF, "999999");
    }
    SetSolveMode(s, SolveMode::FindLevel);
    return OutOfRangeSequence(s);
  }
  std::string shown = FormatFixed(r.value, "0.0");
  s.Write(Control::NOF, shown);
  // The value of the shown tenths, as the commit stores it; also when the text was unchanged
  // and no commit ran, so that spacing never depends on whether the text changed.
  s.state.NOF = ToSingle(NumberFromText(shown));
  s.Write(Control::LabelTime, ClockLine(s.form.Now(), 3));
  if (!WriteSpacing(s, s.state.NOF)) DataError(s, IncorrectDataMessage(), Timer::Timer1);
}

void TickFindLevel(Session& s) {
  auto in = ReadInputs(s, Control::NOF);
  if (!in) return DataError(s, VerifyDataMessage(), Timer::Timer2);
  if (static_cast<double>(in->given) >= kLuminairesLimit) {
    SetSolveMode(s, SolveMode::FindLuminaires);
    return OutOfRangeSequence(s);
  }
  SolveResult r = SolveLevel(*in);
  if (r.outcome == SolveOutcome::DataError) {
    return DataError(s, VerifyDataMessage(), Timer::Timer2);
  }
  if (r.outcome == SolveOutcome::OutOfRange) {
    if (r.capped) {
      s.state.LLV = r.value;
      s.Write(Control::LLV, "9999999");
    }
    SetSolveMode(s, SolveMode::FindLuminaires);
    return OutOfRangeSequence(s);
  }
  std::string shown = FormatFixed(r.value, "0");
  s.Write(Control::LLV, shown);
  s.state.LLV = ToSingle(NumberFromText(shown));
  s.Write(Control::LabelTime, ClockLine(s.form.Now(), 2));
  if (!WriteSpacing(s, in->given)) DataError(s, VerifyDataMessage(), Timer::Timer2);
}

void TickRecovery(Session& s) {
  s.form.StartTimer(Timer::Timer1);
  s.form.StopTimer(Timer::Timer2);
  s.form.StopTimer(Timer::Timer3);
}

void TickDeferredFocus(Session& s) {
  Control box = Control::Background;
  if (s.state.pendingFocus == PendingFocus::LampLumens) box = Control::LL;
  if (s.state.pendingFocus == PendingFocus::LightingLevel) box = Control::LLV;
  if (box != Control::Background) {
    s.form.Focus(box);
    s.SelectAll(box);
  }
  s.form.StopTimer(Timer::Timer4);
}

}  // namespace candelor
