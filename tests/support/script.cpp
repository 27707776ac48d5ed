#include "support/script.h"

#include <algorithm>
#include <limits>

#include "support/harness.h"

namespace candelor::testing {

std::vector<ScriptEvent> ParseScript(std::string_view text) {
  std::vector<ScriptEvent> events;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const std::size_t space = line.find(' ');
    ScriptEvent e;
    e.verb = std::string(line.substr(0, space));
    if (space != std::string_view::npos) e.arg = std::string(line.substr(space + 1));
    events.push_back(std::move(e));
  }
  return events;
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

bool Pointable(Control c) {
  return c != Control::LabelTime;
}

namespace {

void WalkLamps(const LampFamily& family, LampPath path, std::vector<LampPath>& lamps,
               std::vector<LampPath>& families) {
  path.families.push_back(&family);
  families.push_back(path);
  for (std::size_t i = 0; i < family.children.size(); ++i) {
    LampPath child = path;
    child.rows.push_back(static_cast<int>(i));
    if (const auto* entry = std::get_if<LampEntry>(&family.children[i].item)) {
      child.entry = entry;
      lamps.push_back(child);
    } else {
      WalkLamps(std::get<LampFamily>(family.children[i].item), child, lamps, families);
    }
  }
}

struct LampWalk {
  std::vector<LampPath> lamps, families;
  LampWalk() {
    const auto& top = LampCatalogue();
    for (std::size_t i = 0; i < top.size(); ++i) {
      LampPath path;
      path.rows.push_back(static_cast<int>(i) + 1);  // the read-me entry comes first
      WalkLamps(top[i], path, lamps, families);
    }
  }
};

const LampWalk& Lamps() {
  static const LampWalk walk;
  return walk;
}

void WalkLevels(const LevelGroup& group, const std::vector<int>& rows,
                std::vector<LevelPath>& out) {
  for (std::size_t i = 0; i < group.children.size(); ++i) {
    std::vector<int> here = rows;
    here.push_back(static_cast<int>(i));
    if (const auto* level = std::get_if<RecommendedLevel>(&group.children[i].item)) {
      out.push_back({level, here});
    } else {
      WalkLevels(std::get<LevelGroup>(group.children[i].item), here, out);
    }
  }
}

}  // namespace

bool IsButton(Control c) {
  return c == Control::LU || c == Control::Imperial || c == Control::Metric ||
         c == Control::PasteClip;
}

std::string PastedText(const ScriptEvent& e) {
  if (e.verb != "pastemany") return e.arg;
  if (e.arg.empty()) return {};
  return std::string(NumberFrom(std::string_view(e.arg).substr(1), 40000), e.arg[0]);
}

const std::vector<LampPath>& LampPaths() {
  return Lamps().lamps;
}

const std::vector<LampPath>& FamilyPaths() {
  return Lamps().families;
}

const std::vector<LevelPath>& LevelPaths() {
  static const std::vector<LevelPath> paths = [] {
    std::vector<LevelPath> out;
    const auto& top = LevelCatalogue();
    for (std::size_t i = 0; i < top.size(); ++i) WalkLevels(top[i], {static_cast<int>(i)}, out);
    return out;
  }();
  return paths;
}

std::optional<Target> HeadlessPlayer::held() const {
  if (pressed_ && pressed_->arrow) return pressed_;
  return std::nullopt;
}

void HeadlessPlayer::PointAt(Target t) {
  if (pressed_) {
    // A held button keeps the pointer: the moves go to it.
    if (pressed_->arrow) {
      holding_ = holding_ && t == *pressed_;
    } else if (!(pointer_ && *pointer_ == t)) {
      h_.calc.MouseOver(pressed_->control);
    }
    pointer_ = t;
    return;
  }
  if (pointer_ && *pointer_ == t) return;
  pointer_ = t;
  if (!t.arrow) h_.calc.MouseOver(t.control);
}

void HeadlessPlayer::ClickBox(Control box) {
  PointAt({box});
  h_.form.Focus(box);
  h_.calc.BoxClicked(box);
  h_.calc.KeyDown(box, Key::Other);  // End: the cursor after the last character
  const int end = static_cast<int>(h_.form.Text16(box).size());
  h_.form.Select(box, end, 0);
}

void HeadlessPlayer::ClickOn(Control c) {
  if (!Pointable(c)) return;
  if (IsTextBox(c)) return ClickBox(c);
  PointAt({c});
  if (IsButton(c)) h_.form.Focus(c);  // a button takes the focus on the press
  switch (c) {
    case Control::LU:
      return h_.calc.LevelUnitPressed();
    case Control::PasteClip:
      return h_.calc.PasteClicked();
    case Control::Imperial:
    case Control::Metric:
      return ChooseOption(c);
    case Control::Stat:
      exited_ = true;
      return;
    default:
      return h_.calc.ControlClicked(c);
  }
}

void HeadlessPlayer::ChooseOption(Control option) {
  h_.form.Focus(option);
  const UnitSystem units = option == Control::Metric ? UnitSystem::Metric : UnitSystem::Imperial;
  if (h_.state().units != units) h_.calc.UnitOptionSelected(units);
}

void HeadlessPlayer::Press(Control c) {
  if (!Pointable(c) || IsTextBox(c) || IsButton(c) || pressed_) return;
  PointAt({c});
  pressed_ = Target{c};
}

void HeadlessPlayer::Release() {
  if (!pressed_) return;
  const Target was = *pressed_;
  pressed_.reset();
  holding_ = false;
  if (was.arrow || !(pointer_ && *pointer_ == was)) return;  // slid off: no click
  if (was.control == Control::Stat) {
    exited_ = true;
  } else {
    h_.calc.ControlClicked(was.control);
  }
}

void HeadlessPlayer::Repeat() {
  // Only an arrow still held repeats: in a replay, a repeat the window makes after letting go
  // is a difference, not a step to copy.
  if (!pressed_ || !pressed_->arrow || !holding_) return;
  const std::size_t before = h_.form.Messages().size();
  if (pressed_->direction == StepDirection::Up) {
    h_.SpinUp(pressed_->control);
  } else {
    h_.SpinDown(pressed_->control);
  }
  // A message lets go of the held arrow.
  if (h_.form.Messages().size() != before) holding_ = false;
}

void HeadlessPlayer::TypeText(std::string_view utf8) {
  const std::u16string all = ToUtf16(utf8);
  for (std::size_t i = 0; i < all.size(); ++i) {
    const bool pair = all[i] >= 0xD800 && all[i] <= 0xDBFF && i + 1 < all.size();
    const std::u16string piece = all.substr(i, pair ? 2 : 1);
    i += pair ? 1 : 0;
    const Control f = h_.form.Focused();
    if (piece == u" " && (f == Control::LU || f == Control::PasteClip)) {
      // Space presses the focused button.
      if (f == Control::LU) h_.calc.LevelUnitPressed();
      if (f == Control::PasteClip) h_.calc.PasteClicked();
      continue;
    }
    h_.Type(ToUtf8(piece));
  }
}

void HeadlessPlayer::Wait(int ms) {
  if (!standalone) return;  // the real window's ticks arrive as they happen
  const std::int64_t target = h_.form.Millis() + ms;
  while (holding_ && nextRepeat_ <= target) {
    const std::size_t before = h_.form.Messages().size();
    h_.Advance(static_cast<int>(nextRepeat_ - h_.form.Millis()));
    if (h_.form.Messages().size() != before) holding_ = false;
    if (!holding_) break;
    Repeat();
    nextRepeat_ += 100;  // the auto-repeat interval of a held button
  }
  const std::size_t before = h_.form.Messages().size();
  h_.Advance(static_cast<int>(target - h_.form.Millis()));
  if (h_.form.Messages().size() != before) holding_ = false;
}

void HeadlessPlayer::Play(const ScriptEvent& e) {
  if (exited_) return;
  const std::string& verb = e.verb;
  const std::string_view arg = e.arg;
  const Control focused = h_.form.Focused();
  auto keyInBox = [&](Key k) { h_.calc.KeyDown(focused, k); };
  if (verb == "type") {
    TypeText(arg);
  } else if (verb == "paste" || verb == "pastemany") {
    keyInBox(Key::Other);  // Ctrl+V
    h_.Paste(PastedText(e));
  } else if (verb == "delete") {
    h_.Delete();
  } else if (verb == "backspace") {
    h_.Backspace();
  } else if (verb == "selectall") {
    keyInBox(Key::Other);  // Ctrl+A
    if (IsTextBox(focused)) h_.SelectAllOf(focused);
  } else if (verb == "select") {
    if (!IsTextBox(focused)) return;
    const std::uint64_t n = NumberFrom(arg, 9999);
    keyInBox(Key::Other);
    h_.form.Select(focused, static_cast<int>(n / 100), static_cast<int>(n % 100));
  } else if (verb == "up" || verb == "down") {
    const bool up = verb == "up";
    if (IsTextBox(focused)) return h_.Press(up ? Key::Up : Key::Down);
    // A push button passes the arrows to the focus chain; the unit options move the choice.
    if (focused == Control::LU || focused == Control::PasteClip)
      return up ? h_.BackTab() : h_.Tab();
    if (focused == Control::Imperial && !up) ChooseOption(Control::Metric);
    if (focused == Control::Metric && up) ChooseOption(Control::Imperial);
  } else if (verb == "key") {
    keyInBox(Key::Other);
  } else if (verb == "help") {
    h_.calc.HelpRequested(focused);
    keyInBox(Key::Other);
  } else if (verb == "tab") {
    h_.Tab();
  } else if (verb == "click") {
    ClickBox(BoxFrom(arg));
  } else if (verb == "focus") {
    const Control c = ControlFrom(arg);
    if (IsTextBox(c)) ClickBox(c);
  } else if (verb == "explain") {
    ClickOn(ControlFrom(arg));
  } else if (verb == "spinup" || verb == "spindown" || verb == "holdup" || verb == "holddown") {
    if (pressed_) return;
    const Control box = BoxFrom(arg);
    const bool up = verb == "spinup" || verb == "holdup";
    const Target arrow{box, true, up ? StepDirection::Up : StepDirection::Down};
    PointAt(arrow);
    pressed_ = arrow;
    holding_ = true;
    nextRepeat_ = h_.form.Millis() + 300;  // the delay before a held button repeats
    Repeat();                              // the press steps
    if (verb == "spinup" || verb == "spindown") Release();
  } else if (verb == "press") {
    Press(ControlFrom(arg));
  } else if (verb == "release") {
    Release();
  } else if (verb == "hover") {
    const Control c = ControlFrom(arg);
    if (Pointable(c)) PointAt({c});
  } else if (verb == "metric") {
    ClickOn(Control::Metric);
  } else if (verb == "imperial") {
    ClickOn(Control::Imperial);
  } else if (verb == "levelunit") {
    ClickOn(Control::LU);
  } else if (verb == "lamp" || verb == "family") {
    const auto& paths = verb == "lamp" ? LampPaths() : FamilyPaths();
    const LampPath& path = paths[NumberFrom(arg, 1u << 20) % paths.size()];
    keyInBox(Key::Other);  // Alt
    h_.calc.LampMenuOpened();
    for (const LampFamily* f : path.families) h_.calc.LampFamilyOpened(*f);
    if (path.entry) h_.calc.LampEntryChosen(*path.entry);
  } else if (verb == "readme") {
    keyInBox(Key::Other);
    h_.calc.LampMenuOpened();
    h_.calc.LampReadMeChosen();
  } else if (verb == "lamps") {
    keyInBox(Key::Other);
    h_.calc.LampMenuOpened();
  } else if (verb == "levels" || verb == "shotmenu") {
    keyInBox(Key::Other);
    h_.calc.LevelMenuOpened();
  } else if (verb == "level") {
    const auto& paths = LevelPaths();
    keyInBox(Key::Other);
    h_.calc.LevelMenuOpened();
    h_.calc.LevelChosen(*paths[NumberFrom(arg, 1u << 20) % paths.size()].level);
  } else if (verb == "report") {
    ClickOn(Control::PasteClip);
  } else if (verb == "cancelreport") {
    if (standalone) h_.form.ScriptAnswer(MessageAnswer::Cancel);
    ClickOn(Control::PasteClip);
  } else if (verb == "noclipboard") {
    // A real clipboard cannot be made to refuse a write; only the headless form can.
    if (standalone) h_.form.clipboardWritable = !h_.form.clipboardWritable;
  } else if (verb == "wait") {
    Wait(static_cast<int>(NumberFrom(arg, 20000)));
  }
}

}  // namespace candelor::testing
