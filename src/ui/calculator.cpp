#include "ui/calculator.h"

#include <algorithm>

#include "catalogue/actions.h"
#include "core/driver.h"
#include "core/units.h"
#include "input/commit.h"
#include "report/report.h"
#include "ui/hints.h"

namespace candelor {

Calculator::Calculator(Form& form) : session_(form) {}

void Calculator::Start() {
  CalcState& st = session_.state;
  st.RL = 10.0f;
  st.RW = 10.0f;
  st.RCH = 6.0f;
  st.levelUnit = IlluminanceUnit::FC;
  st.pendingFocus = PendingFocus::NoFocus;
  session_.form.StartTimer(Timer::Timer1);
}

void Calculator::TextChanged(Control c) {
  if (c == Control::Job) return session_.ShowHint(kJobHint);
  if (!IsInputBox(c)) return;
  ++nesting_;
  deepestNesting_ = std::max(deepestNesting_, nesting_);
  CommitBox(session_, c);
  --nesting_;
}

void Calculator::FocusGained(Control c) {
  switch (c) {
    case Control::Imperial:
      return session_.ShowHint(kImperialFocusHint);
    case Control::Metric:
      return session_.ShowHint(kMetricFocusHint);
    case Control::LU:
      return session_.ShowHint(session_.Read(Control::LU) == "FC" ? kFootCandleFocusHint
                                                                  : kLuxFocusHint);
    default:
      if (IsTextBox(c)) FocusBehaviour(session_, c);
      return;
  }
}

void Calculator::FocusLost(Control c) {
  LeaveBox(session_, c);
  if (c == Control::RL || c == Control::Imperial || c == Control::Metric || c == Control::LU) {
    session_.ShowHint(kBlankHint);
  }
}

void Calculator::TimerFired(Timer t) {
  // No tick starts while one of the calculator's messages is open: no second tick and no
  // second copy of a message. The ticker stays running and ticks again at its next interval.
  if (session_.MessageOpen()) return;
  switch (t) {
    case Timer::Timer1:
      return TickFindLuminaires(session_);
    case Timer::Timer2:
      return TickFindLevel(session_);
    case Timer::Timer3:
      return TickRecovery(session_);
    case Timer::Timer4:
      return TickDeferredFocus(session_);
  }
}

void Calculator::KeyDown(Control box, Key key) {
  if (IsInputBox(box)) KeyInBox(session_, box, key);
}

void Calculator::BoxClicked(Control box) {
  if (box == Control::NOF) SetSolveMode(session_, SolveMode::FindLevel);
  if (box == Control::LLV) SetSolveMode(session_, SolveMode::FindLuminaires);
}

void Calculator::SpinDown(Control box) {
  StepBox(session_, box, StepDirection::Down);
}
void Calculator::SpinUp(Control box) {
  StepBox(session_, box, StepDirection::Up);
}

void Calculator::UnitOptionSelected(UnitSystem units) {
  ConvertRoomUnits(session_, units);
}
void Calculator::LevelUnitPressed() {
  ToggleLevelUnit(session_);
}

void Calculator::MouseOver(Control c) {
  if (c == Control::Background || c == Control::Stat) {
    // The panel's alignment changes only here: left for hints, centred for the close prompt.
    const bool panel = c == Control::Stat;
    session_.form.SetAlignment(Control::Stat,
                               panel ? Alignment::CentreMiddle : Alignment::LeftMiddle);
    return session_.ShowHint(panel ? kClosePrompt : kBlankHint);
  }
  if (auto hint = MouseOverHint(c, session_.Read(Control::LU))) session_.ShowHint(*hint);
}

void Calculator::ControlClicked(Control c) {
  if (auto explanation = TermExplanation(c)) session_.Ask(*explanation);
}

void Calculator::HelpRequested(Control c) {
  if (auto explanation = HelpFor(c)) session_.Ask(*explanation);
}

void Calculator::PasteClicked() {
  PasteCalculationReport(session_);
}

void Calculator::LampMenuOpened() {
  SetPendingFocus(session_, PendingFocus::LampLumens);
}

void Calculator::LampFamilyOpened(const LampFamily& family) {
  candelor::LampFamilyOpened(session_, family);
}
void Calculator::LampEntryChosen(const LampEntry& entry) {
  candelor::LampEntryChosen(session_, entry);
}
void Calculator::LampReadMeChosen() {
  candelor::LampReadMeChosen(session_);
}
void Calculator::LevelChosen(const RecommendedLevel& level) {
  candelor::LevelChosen(session_, level);
}

void Calculator::LevelMenuOpened() {
  SetSolveMode(session_, SolveMode::FindLuminaires);
  SetPendingFocus(session_, PendingFocus::LightingLevel);
}

}  // namespace candelor
