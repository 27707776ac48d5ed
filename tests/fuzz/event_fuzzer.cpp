// Fuzzes the calculator with sequences of user events on the headless form and checks, after
// every event, the invariants that must always hold. The input is readable text, one event a
// line ("type 12", "click NOF", "wait 50"), so that the seed corpus is a set of scenarios.
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
#include "ui/hints.h"

namespace candelor {
namespace {

using testing::Harness;

[[noreturn]] void Broken(const std::string& what) {
  std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
  std::abort();
}

// Every lamp family, for the "family" event.
std::vector<const LampFamily*> AllFamilies() {
  std::vector<const LampFamily*> out;
  for (const LampChoice& lamp : AllLamps()) {
    for (const LampFamily* f : lamp.families) {
      if (std::find(out.begin(), out.end(), f) == out.end()) out.push_back(f);
    }
  }
  return out;
}

const std::vector<LampChoice> gLamps = AllLamps();
const std::vector<const LampFamily*> gFamilies = AllFamilies();
const std::vector<const RecommendedLevel*> gLevels = AllLevels();

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

bool NumberWithoutGrouping(const std::string& text) {
  return IsNumberText(text) && text.find(',') == std::string::npos;
}

void CheckInvariants(const Harness& h, std::size_t messagesSeen) {
  const CalcState& st = h.state();
  for (float v : {st.RL, st.RW, st.RCH, st.RA, st.RCR, st.COU, st.LLD, st.LDD, st.LLF, st.NOF,
                  st.LLV, st.LevelFactor}) {
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
  if (!NumberWithoutGrouping(RCH) || !(ToSingle(NumberFromText(RCH)) > 0.0f)) {
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
  if (h.calc.DeepestCommitNesting() > 4) Broken("commits nested too deeply");
  const auto& messages = h.form.Messages();
  for (std::size_t i = messagesSeen; i < messages.size(); ++i) {
    if (!AllowedMessage(messages[i])) Broken("unknown message \"" + messages[i].text + "\"");
  }
}

Control ControlFrom(std::string_view arg) {
  for (int i = 0; i < kControlCount; ++i) {
    if (ControlName(static_cast<Control>(i)) == arg) return static_cast<Control>(i);
  }
  std::size_t hash = 0;
  for (char c : arg) hash = hash * 31 + static_cast<unsigned char>(c);
  return static_cast<Control>(hash % kControlCount);
}

Control BoxFrom(std::string_view arg) {
  Control c = ControlFrom(arg);
  return IsInputBox(c) ? c : kInputBoxes[static_cast<std::size_t>(c) % kInputBoxes.size()];
}

std::uint64_t NumberFrom(std::string_view arg, std::uint64_t limit) {
  std::uint64_t n = 0;
  for (char c : arg) {
    if (c >= '0' && c <= '9') n = std::min<std::uint64_t>(limit, n * 10 + (c - '0'));
  }
  return n;
}

void RunEvent(Harness& h, std::string_view verb, std::string_view arg) {
  if (verb == "type") {
    h.Type(arg);
  } else if (verb == "paste") {
    h.Paste(arg);
  } else if (verb == "pastemany" && !arg.empty()) {
    // "pastemany 7 9000": a long paste of one character.
    std::size_t count = NumberFrom(arg.substr(1), 10000);
    h.Paste(std::string(count, arg[0]));
  } else if (verb == "delete") {
    h.Delete();
  } else if (verb == "backspace") {
    h.Backspace();
  } else if (verb == "selectall") {
    h.SelectAllOf(h.form.Focused());
  } else if (verb == "select") {
    std::uint64_t n = NumberFrom(arg, 9999);
    h.form.Select(h.form.Focused(), static_cast<int>(n / 100), static_cast<int>(n % 100));
  } else if (verb == "focus") {
    h.FocusBox(ControlFrom(arg));
  } else if (verb == "click") {
    h.Click(BoxFrom(arg));
  } else if (verb == "spinup") {
    h.SpinUp(BoxFrom(arg));
  } else if (verb == "spindown") {
    h.SpinDown(BoxFrom(arg));
  } else if (verb == "up") {
    h.Press(Key::Up);
  } else if (verb == "down") {
    h.Press(Key::Down);
  } else if (verb == "key") {
    h.Press(Key::Other);
  } else if (verb == "tab") {
    h.Tab();
  } else if (verb == "metric") {
    h.calc.UnitOptionSelected(UnitSystem::Metric);
  } else if (verb == "imperial") {
    h.calc.UnitOptionSelected(UnitSystem::Imperial);
  } else if (verb == "levelunit") {
    h.calc.LevelUnitPressed();
  } else if (verb == "lamp") {
    const LampChoice& lamp = gLamps[NumberFrom(arg, 1u << 20) % gLamps.size()];
    h.calc.LampMenuOpened();
    for (const LampFamily* f : lamp.families) h.calc.LampFamilyOpened(*f);
    h.calc.LampEntryChosen(*lamp.entry);
  } else if (verb == "family") {
    h.calc.LampMenuOpened();
    h.calc.LampFamilyOpened(*gFamilies[NumberFrom(arg, 1u << 20) % gFamilies.size()]);
  } else if (verb == "readme") {
    h.calc.LampReadMeChosen();
  } else if (verb == "levels") {
    h.calc.LevelMenuOpened();
  } else if (verb == "level") {
    h.calc.LevelMenuOpened();
    h.calc.LevelChosen(*gLevels[NumberFrom(arg, 1u << 20) % gLevels.size()]);
  } else if (verb == "report") {
    h.calc.PasteClicked();
  } else if (verb == "cancelreport") {
    h.form.ScriptAnswer(MessageAnswer::Cancel);
    h.calc.PasteClicked();
  } else if (verb == "noclipboard") {
    h.form.clipboardWritable = !h.form.clipboardWritable;
  } else if (verb == "hover") {
    h.calc.MouseOver(ControlFrom(arg));
  } else if (verb == "explain") {
    h.calc.ControlClicked(ControlFrom(arg));
  } else if (verb == "wait") {
    h.Advance(static_cast<int>(NumberFrom(arg, 20000)));
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
  Harness h;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t seen = 0;
  while (!input.empty()) {
    std::size_t end = input.find('\n');
    std::string_view line = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    std::size_t space = line.find(' ');
    std::string_view verb = line.substr(0, space);
    std::string_view arg =
        space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
    RunEvent(h, verb, arg);
    ++gEvents;
    CheckInvariants(h, seen);
    seen = h.form.Messages().size();
  }
  return 0;
}
