// Fuzzes the calculator with sequences of user events on the headless form and checks, after
// every event, the invariants that must always hold. The input is an event script
// (support/script.h), so that the seed corpus is a set of scenarios the replay also plays on the
// real window.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/actions.h"
#include "core/driver.h"
#include "core/model.h"
#include "input/commit.h"
#include "report/report.h"
#include "support/harness.h"
#include "support/script.h"
#include "ui/hints.h"

namespace candelor {
namespace {

using testing::Harness;

[[noreturn]] void Broken(const std::string& what) {
  std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
  std::abort();
}

bool AllowedMessage(const Message& m) {
  static const std::vector<Message> kFixed = {GreaterThanZeroMessage(),
                                              LessThanTenThousandMessage(),
                                              DepreciationRangeMessage(),
                                              UtilizationRangeMessage(),
                                              CavityTooHighMessage(),
                                              IncorrectDataMessage(),
                                              VerifyDataMessage(),
                                              OutOfRangeMessage(),
                                              LampReadMeMessage(),
                                              LevelAdviceMessage(),
                                              PasteConfirmationMessage(),
                                              ClipboardUnavailableMessage(),
                                              *TermExplanation(Control::Frame3D7),
                                              *TermExplanation(Control::Frame3D10),
                                              *TermExplanation(Control::Frame3D15)};
  for (const Message& allowed : kFixed) {
    if (m == allowed) return true;
  }
  return false;
}

float Single(const std::string& text) {
  return ToSingle(LeadingValue(text));
}

// A number without separators, or one whose group of thousands is still being typed (its value
// is then the number before the comma).
bool NumberWithoutGrouping(const std::string& text) {
  if (auto before = GroupingInProgress(text)) return NumberWithoutGrouping(*before);
  return IsNumberText(text) && text.find(',') == std::string::npos;
}

void CheckInvariants(const Harness& h, std::size_t messagesSeen) {
  const CalcState& st = h.state();
  for (float v : {st.RL, st.RW, st.RCH, st.RA, st.RCR, st.COU, st.LLD, st.LDD, st.LLF, st.NOF,
                  st.LLV, st.LevelFactor()}) {
    if (!std::isfinite(v)) Broken("a quantity is not finite");
  }
  if (st.FS && !std::isfinite(*st.FS)) Broken("spacing is not finite");
  if (st.Uniformity && !std::isfinite(*st.Uniformity)) Broken("uniformity is not finite");

  // Every box holds a text its commit leaves there by design.
  const std::string RL = h.Text(Control::RL), RW = h.Text(Control::RW), RCH = h.Text(Control::RCH);
  for (const auto& [name, text] : {std::pair{"RL", RL}, std::pair{"RW", RW}}) {
    float v = Single(text);
    if (!NumberWithoutGrouping(text) || !(v > 0.0f && v <= 9999.0f)) {
      Broken(std::string(name) + " holds \"" + text + "\"");
    }
  }
  if (!NumberWithoutGrouping(RCH) || !(Single(RCH) > 0.0f)) {
    Broken("RCH holds \"" + RCH + "\"");
  }
  const std::string COU = h.Text(Control::COU);
  if (!NumberWithoutGrouping(COU) || Single(COU) < 0.01f || Single(COU) > 1.4f) {
    Broken("COU holds \"" + COU + "\"");
  }
  const std::string LL = h.Text(Control::LL);
  auto lumens = RoundToInt32(LeadingValue(LL));
  if (!NumberWithoutGrouping(LL) || !lumens || *lumens < 1) Broken("LL holds \"" + LL + "\"");
  for (Control c : {Control::LLD, Control::LDD}) {
    float v = Single(h.Text(c));
    if (v < 0.01f || v > 1.0f) Broken(std::string(ControlName(c)) + " holds \"" + h.Text(c) + "\"");
  }
  if (!NumberWithoutGrouping(h.Text(Control::NOL)))
    Broken("NOL holds \"" + h.Text(Control::NOL) + "\"");
  for (Control c : {Control::NOF, Control::LLV}) {
    const std::string t = h.Text(c);
    if (t != "." && !NumberWithoutGrouping(t))
      Broken(std::string(ControlName(c)) + " holds \"" + t + "\"");
  }

  // The derived labels follow the boxes.
  RoomResult room = DeriveRoom(Single(RL), Single(RW), Single(RCH));
  if (h.Text(Control::RA) != SingleText(room.RA)) {
    Broken("area " + h.Text(Control::RA) + " for " + RL + " x " + RW);
  }
  if (room.outcome == RoomOutcome::CavityTooHigh) Broken("the cavity stays higher than the area");
  if (room.outcome == RoomOutcome::Derived && h.Text(Control::RCR) != SingleText(room.RCR)) {
    Broken("ratio " + h.Text(Control::RCR) + " for " + RL + " x " + RW + " x " + RCH);
  }
  auto llf = DeriveLightLoss(Single(h.Text(Control::LLD)), Single(h.Text(Control::LDD)));
  const std::string shownLlf = h.Text(Control::LLF);
  const bool startUp =
      shownLlf == ".76" && h.Text(Control::LLD) == "0.90" && h.Text(Control::LDD) == "0.85";
  if (!startUp && (!llf || shownLlf != SingleText(*llf))) Broken("light loss factor " + shownLlf);

  if (h.form.IsTimerRunning(Timer::Timer1) && h.form.IsTimerRunning(Timer::Timer2)) {
    Broken("both solving tickers run");
  }
  if (h.plan) {
    // Never numbers for a count that is none, and always a grid that holds the count.
    const RoomPlan p = PlanView(*h.plan).Compute(h.calc.session());
    const std::string count = h.Text(Control::NOF);
    const bool positive = IsNumberText(count) && NumberFromText(count) > 0;
    if (p.layout &&
        (!positive || p.grid.rows < 1 || p.grid.rows > p.count ||
         p.grid.rows * p.grid.perRow < p.count || p.grid.rows * (p.grid.perRow - 1) >= p.count)) {
      Broken("a plan of " + std::to_string(p.grid.rows) + " x " + std::to_string(p.grid.perRow) +
             " for \"" + count + "\"");
    }
    for (const std::string& f : p.layout ? p.figures : std::vector<std::string>{}) {
      if (f.find("nan") != std::string::npos || f.find("inf") != std::string::npos)
        Broken("the plan says \"" + f + "\"");
    }
  }
  if (h.calc.DeepestCommitNesting() > 4) Broken("commits nested too deeply");
  const auto& messages = h.form.Messages();
  for (std::size_t i = messagesSeen; i < messages.size(); ++i) {
    if (!AllowedMessage(messages[i])) Broken("unknown message \"" + messages[i].text + "\"");
  }
}

}  // namespace
}  // namespace candelor

namespace {

// User events run over the whole session, reported when the fuzzer ends.
std::uint64_t gEvents = 0;
void ReportEvents() {
  std::fprintf(stderr, "events executed: %llu\n", static_cast<unsigned long long>(gEvents));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace candelor;
  static const bool reported = std::atexit(ReportEvents) == 0;
  (void)reported;
  testing::Harness h;
  testing::HeadlessPlayer player(h);
  std::size_t seen = 0;
  for (const auto& e : testing::ParseScript({reinterpret_cast<const char*>(data), size})) {
    player.Play(e);
    ++gEvents;
    CheckInvariants(h, seen);
    seen = h.form.Messages().size();
  }
  return 0;
}
