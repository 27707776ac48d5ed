#include "input/commit.h"

#include <cmath>

#include "core/model.h"
#include "core/text.h"

namespace candelor {
namespace {

// Value of a text for a single quantity, rounded to single as it is stored.
float SingleOf(std::string_view text) {
  return ToSingle(LeadingValue(text));
}

// A number written with "," thousands separators is accepted as a number, but every later
// reading of the box takes only the digits before the first ",". Writing it without the
// separators keeps what the box shows and what is calculated the same. True when rewritten (the
// nested commit has then done the rest).
bool DropGrouping(Session& s, Control box, const std::string& text) {
  if (text.find(',') == std::string::npos || !IsNumberText(text)) return false;
  std::string plain;
  for (char c : text) {
    if (c != ',') plain.push_back(c);
  }
  s.Write(box, plain);
  return true;
}

// A comma typed on the way to thousands separators ("1," of "1,000") is kept, and the value is
// the number before it, all the user has typed of it yet; the hint says the decimal separator
// is the point, for a user who meant a decimal comma. True when the text was such a number, which
// `text` then holds without its unfinished group.
bool HoldGrouping(Session& s, std::string& text) {
  auto before = GroupingInProgress(text);
  if (!before) return false;
  s.ShowHint(kDecimalPointHint);
  text = *before;
  return true;
}

void CommitRoomCavityHeight(Session& s);

// Room length and room width.
void CommitRoomSide(Session& s, Control box, float& field) {
  std::string text = s.Read(box);
  if (DropGrouping(s, box, text)) return;
  HoldGrouping(s, text);
  float v = 10.0f;
  if (!IsNumberText(text)) {
    s.Write(box, "10");
  } else {
    v = SingleOf(text);
  }
  if (v <= 0.0f) {
    s.Ask(GreaterThanZeroMessage());
    field = 10.0f;
    s.Write(box, "10");
    FocusBehaviour(s, box);
    return;
  }
  if (v > 9999.0f) {
    s.Ask(LessThanTenThousandMessage());
    field = 9999.0f;
    s.Write(box, "9999");
    FocusBehaviour(s, box);
    return;
  }
  field = v;
  CommitRoomCavityHeight(s);
}

void CommitRoomCavityHeight(Session& s) {
  CalcState& st = s.state;
  std::string text = s.Read(Control::RCH);
  if (DropGrouping(s, Control::RCH, text)) return;
  HoldGrouping(s, text);
  float v = 6.0f;
  if (!IsNumberText(text)) {
    s.Write(Control::RCH, "6");
  } else {
    v = ToSingle(NumberFromText(text));
  }
  if (v <= 0.0f) {
    s.Ask(GreaterThanZeroMessage());
    st.RCH = 6.0f;
    s.Write(Control::RCH, "6");
    s.SelectAll(Control::RCH);
    return;
  }
  st.RL = SingleOf(s.Read(Control::RL));
  st.RW = SingleOf(s.Read(Control::RW));
  st.RCH = SingleOf(s.Read(Control::RCH));
  RoomResult room = DeriveRoom(st.RL, st.RW, st.RCH);
  st.RA = room.RA;
  s.Write(Control::RA, SingleText(room.RA));
  switch (room.outcome) {
    case RoomOutcome::CavityTooHigh:
      s.Ask(CavityTooHighMessage());
      st.RCH = room.RA;
      s.Write(Control::RCH, SingleText(room.RA));  // the nested commit derives the ratio
      s.SelectAll(Control::RCH);
      break;
    case RoomOutcome::Derived:
      st.RCR = room.RCR;
      s.Write(Control::RCR, SingleText(room.RCR));
      break;
    case RoomOutcome::RatioUndefined:
      break;  // no area, no ratio: the ticks report the data error
  }
}

void CommitUtilization(Session& s) {
  std::string text = s.Read(Control::COU);
  if (DropGrouping(s, Control::COU, text)) return;
  if (!HoldGrouping(s, text) && !IsNumberText(text)) {
    s.Write(Control::COU, "0.55");
    FocusBehaviour(s, Control::COU);
    text = s.Read(Control::COU);
  }
  s.state.COU = SingleOf(text);
  if (s.state.COU < 0.01f || s.state.COU > 1.4f) {
    s.Ask(UtilizationRangeMessage());
    s.state.COU = 0.55f;
    s.Write(Control::COU, "0.55");
    FocusBehaviour(s, Control::COU);
  }
}

void CommitLampLumens(Session& s) {
  std::string text = s.Read(Control::LL);
  if (DropGrouping(s, Control::LL, text)) return;
  if (!HoldGrouping(s, text) && !IsNumberText(text)) s.Write(Control::LL, "2850");
  auto lumens = RoundToInt32(LeadingValue(s.Read(Control::LL)));
  if (!lumens) {
    // A number too large for the lumens integer is repaired like a text that is no number.
    s.Write(Control::LL, "2850");
    lumens = 2850;
  }
  s.state.LL = *lumens;
  if (s.state.LL < 1) {
    s.Ask(GreaterThanZeroMessage());
    s.state.LL = 2850;
    s.Write(Control::LL, "2850");
    s.SelectAll(Control::LL);
  }
}

void CommitLampLumenDepreciation(Session& s) {
  CalcState& st = s.state;
  st.LLD = SingleOf(s.Read(Control::LLD));
  if (st.LLD >= 0.01f && st.LLD <= 1.0f) {
    st.LDD = SingleOf(s.Read(Control::LDD));
    if (auto llf = DeriveLightLoss(st.LLD, st.LDD)) {
      st.LLF = *llf;
      s.Write(Control::LLF, SingleText(*llf));
    }
    return;
  }
  s.Ask(DepreciationRangeMessage());
  st.LLD = 0.9f;
  s.Write(Control::LLD, "0.9");
  s.form.Select(Control::LLD, 2, 2);
}

void CommitDirtDepreciation(Session& s) {
  s.state.LDD = SingleOf(s.Read(Control::LDD));
  if (s.state.LDD < 0.01f || s.state.LDD > 1.0f) {
    s.Ask(DepreciationRangeMessage());
    s.state.LDD = 0.85f;
    s.Write(Control::LDD, "0.85");
    s.form.Select(Control::LDD, 2, 2);
    return;
  }
  CommitLampLumenDepreciation(s);
}

// Number of luminaires and lighting level: any number is taken, as its absolute value.
void CommitSolvedBox(Session& s, Control box, float& field) {
  std::string text = s.Read(box);
  if (text == ".") {
    if (box == Control::NOF) field = 0.0f;  // typing may go on to ".5"
    return;
  }
  if (DropGrouping(s, box, text)) return;
  if (HoldGrouping(s, text) || IsNumberText(text)) {
    field = ToSingle(std::fabs(NumberFromText(text)));
    return;
  }
  s.Write(box, "1");
  s.SelectAll(box);
}

void CommitLampCount(Session& s) {
  if (s.Read(Control::NOL) == ".") s.Write(Control::NOL, "1");
  std::string text = s.Read(Control::NOL);
  if (DropGrouping(s, Control::NOL, text)) return;
  if (!HoldGrouping(s, text) && !IsNumberText(text)) {
    s.Write(Control::NOL, "1");
    s.SelectAll(Control::NOL);
  }
}

}  // namespace

void CommitBox(Session& s, Control box) {
  switch (box) {
    case Control::RL:
      return CommitRoomSide(s, box, s.state.RL);
    case Control::RW:
      return CommitRoomSide(s, box, s.state.RW);
    case Control::RCH:
      return CommitRoomCavityHeight(s);
    case Control::COU:
      return CommitUtilization(s);
    case Control::LL:
      return CommitLampLumens(s);
    case Control::LLD:
      return CommitLampLumenDepreciation(s);
    case Control::LDD:
      return CommitDirtDepreciation(s);
    case Control::NOF:
      return CommitSolvedBox(s, box, s.state.NOF);
    case Control::LLV:
      return CommitSolvedBox(s, box, s.state.LLV);
    case Control::NOL:
      return CommitLampCount(s);
    default:
      return;
  }
}

void LeaveBox(Session& s, Control box) {
  // Left with its group of thousands unfinished, a number is what the user typed before it.
  if (!IsInputBox(box)) return;
  if (auto before = GroupingInProgress(s.Read(box))) s.Write(box, *before);
}

void FocusBehaviour(Session& s, Control box) {
  switch (box) {
    case Control::RL:
      s.SelectAll(box);
      s.ShowHint(kRoomLengthHint);
      return;
    case Control::COU:
      s.form.Focus(Control::COU);
      s.SelectAll(box);
      return;
    case Control::LLD:
    case Control::LDD:
      // Only the two decimals, so that two typed digits give a new value directly.
      s.form.Select(box, 2, 2);
      return;
    default:
      if (IsTextBox(box)) s.SelectAll(box);
      return;
  }
}

}  // namespace candelor
