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
  h_.form.MoveCursor(box, 0);        // where the click lands, at the start of the text
  h_.form.MoveCursor(box, static_cast<int>(h_.form.Text16(box).size()));
}

void HeadlessPlayer::PressBox(Control box, bool moveCursor) {
  PointAt({box});
  if (h_.form.Focused() != box) {
    // A box that lost the focus lost its selection too, the cursor staying where it was.
    const Selection was = h_.form.GetSelection(box);
    h_.form.Select(box, was.start + was.length, 0);
  }
  h_.form.Focus(box);
  if (moveCursor) h_.form.MoveCursor(box, static_cast<int>(h_.form.Text16(box).size()));
  h_.calc.BoxClicked(box);
}

void HeadlessPlayer::MenuEdit(const Action& a) {
  const Control box = a.control;
  const std::u16string text = h_.form.Text16(box);
  const Selection sel = h_.form.GetSelection(box);
  // Only the enabled entries do anything.
  switch (a.edit) {
    case Action::Edit::Paste:
      h_.form.clipboard = a.text;
      if (!a.text.empty()) h_.PasteInto(box, a.text);
      return;
    case Action::Edit::Cut:
    case Action::Edit::Delete: {
      if (sel.length == 0) return;
      const auto start = static_cast<std::size_t>(sel.start);
      if (a.edit == Action::Edit::Cut)
        h_.form.clipboard = ToUtf8(text.substr(start, static_cast<std::size_t>(sel.length)));
      return h_.Edit(box, 0, 0, {}, false);
    }
    case Action::Edit::Undo:
    case Action::Edit::Redo:
      return h_.UndoIn(box, a.edit == Action::Edit::Redo);
    case Action::Edit::SelectAll:
      if (!text.empty()) h_.SelectAllOf(box);
      return;
  }
}

void HeadlessPlayer::Arrow(bool forward) {
  const Control f = h_.form.Focused();
  if (f == Control::LU || f == Control::PasteClip) return forward ? h_.Tab() : h_.BackTab();
  if (f == Control::Imperial) return ChooseOption(Control::Metric);
  if (f == Control::Metric) return ChooseOption(Control::Imperial);
  if (!IsTextBox(f)) return;
  // A selection collapses to the end the arrow points at; otherwise the cursor steps.
  const Selection sel = h_.form.GetSelection(f);
  const int size = static_cast<int>(h_.form.Text16(f).size());
  int cursor = forward ? sel.start + sel.length : sel.start;
  const bool collapses = sel.length > 0 && (forward ? rightCollapses : leftCollapses);
  if (!collapses) cursor = std::clamp(sel.start + sel.length + (forward ? 1 : -1), 0, size);
  h_.form.MoveCursor(f, cursor);
}

void HeadlessPlayer::ClickOn(Control c) {
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
  if (pressed_) return;
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

Action Decode(const ScriptEvent& e) {
  using Kind = Action::Kind;
  const std::string& verb = e.verb;
  const std::string_view arg = e.arg;
  Action a;
  auto is = [&](std::initializer_list<std::string_view> verbs) {
    return std::find(verbs.begin(), verbs.end(), verb) != verbs.end();
  };
  auto on = [&](Kind kind, Control c = Control::Background) {
    a.kind = kind;
    a.control = c;
    return a;
  };
  // A click: into a text box, or on anything else the pointer reaches.
  auto click = [&](Control c) {
    if (!Pointable(c)) return on(Kind::Nothing);
    return on(IsTextBox(c) ? Kind::ClickBox : Kind::ClickOn, c);
  };
  if (verb == "type" || verb == "paste") {
    a.text = e.arg;
    return on(verb == "type" ? Kind::Type : Kind::Paste);
  }
  if (verb == "pastemany") {
    // "pastemany 7 9000": a long paste of one character.
    if (!arg.empty()) a.text = std::string(NumberFrom(arg.substr(1), 40000), arg[0]);
    return on(Kind::Paste);
  }
  if (verb == "menu" || verb == "middle" || verb == "drop") {
    // "menu NOF paste 9": the box, then the entry and its text; "drop LLV 60": the box, the text.
    const std::size_t space = arg.find(' ');
    const Control box = BoxFrom(arg.substr(0, space));
    std::string_view rest = space == std::string_view::npos ? "" : arg.substr(space + 1);
    if (verb == "menu") {
      static const std::pair<std::string_view, Action::Edit> kEdits[] = {
          {"paste", Action::Edit::Paste},   {"cut", Action::Edit::Cut},
          {"delete", Action::Edit::Delete}, {"selectall", Action::Edit::SelectAll},
          {"undo", Action::Edit::Undo},     {"redo", Action::Edit::Redo}};
      const std::size_t end = rest.find(' ');
      const std::string_view name = rest.substr(0, end);
      a.edit = kEdits[NumberFrom(name, 5) % 6].second;
      for (const auto& [n, edit] : kEdits) {
        if (n == name) a.edit = edit;
      }
      rest = end == std::string_view::npos ? "" : rest.substr(end + 1);
    }
    a.text = std::string(rest);
    return on(verb == "menu" ? Kind::Menu : verb == "middle" ? Kind::Middle : Kind::Drop, box);
  }
  if (verb == "select") {
    const std::uint64_t n = NumberFrom(arg, 9999);
    a.start = static_cast<int>(n / 100);
    a.length = static_cast<int>(n % 100);
    return on(Kind::Select);
  }
  if (is({"spinup", "spindown", "holdup", "holddown"})) {
    const bool up = verb == "spinup" || verb == "holdup";
    a.arrow = {BoxFrom(arg), true, up ? StepDirection::Up : StepDirection::Down};
    return on(verb.starts_with("spin") ? Kind::Spin : Kind::Hold, a.arrow.control);
  }
  if (verb == "lamp" || verb == "family") {
    const auto& paths = verb == "lamp" ? LampPaths() : FamilyPaths();
    a.lamp = &paths[NumberFrom(arg, 1u << 20) % paths.size()];
    return on(verb == "lamp" ? Kind::Lamp : Kind::Family);
  }
  if (verb == "level") {
    a.level = &LevelPaths()[NumberFrom(arg, 1u << 20) % LevelPaths().size()];
    return on(Kind::Level);
  }
  if (verb == "shotmenu") {
    const std::size_t space = arg.find(' ');
    a.text = std::string(arg.substr(0, space));
    a.start =
        space == std::string_view::npos ? 0 : static_cast<int>(NumberFrom(arg.substr(space), 9));
    return on(Kind::ShotMenu);
  }
  if (verb == "wait") {
    a.ms = static_cast<int>(NumberFrom(arg, 20000));
    return on(Kind::Wait);
  }
  if (verb == "click") return click(BoxFrom(arg));
  if (verb == "explain") return click(ControlFrom(arg));
  if (verb == "focus") {
    const Control c = ControlFrom(arg);
    return IsTextBox(c) ? click(c) : on(Kind::Nothing);
  }
  if (verb == "press") {
    const Control c = ControlFrom(arg);
    const bool pressable = Pointable(c) && !IsTextBox(c) && !IsButton(c);
    return pressable ? on(Kind::Press, c) : on(Kind::Nothing);
  }
  if (verb == "hover") {
    const Control c = ControlFrom(arg);
    return Pointable(c) ? on(Kind::Hover, c) : on(Kind::Nothing);
  }
  if (verb == "metric") return click(Control::Metric);
  if (verb == "imperial") return click(Control::Imperial);
  if (verb == "levelunit") return click(Control::LU);
  if (verb == "report") return click(Control::PasteClip);
  if (verb == "cancelreport") return on(Kind::CancelReport, Control::PasteClip);
  if (verb == "rowsup" || verb == "rowsdown") {
    Action a = on(Kind::Rows);
    a.start = verb == "rowsup" ? 1 : -1;
    return a;
  }
  static const std::pair<std::string_view, Kind> kPlain[] = {{"delete", Kind::Delete},
                                                             {"backspace", Kind::Backspace},
                                                             {"selectall", Kind::SelectAll},
                                                             {"up", Kind::Up},
                                                             {"down", Kind::Down},
                                                             {"left", Kind::Left},
                                                             {"right", Kind::Right},
                                                             {"key", Kind::Key},
                                                             {"help", Kind::Help},
                                                             {"tab", Kind::Tab},
                                                             {"release", Kind::Release},
                                                             {"readme", Kind::ReadMe},
                                                             {"lamps", Kind::Lamps},
                                                             {"levels", Kind::Levels},
                                                             {"noclipboard", Kind::NoClipboard},
                                                             {"plan", Kind::Plan},
                                                             {"closeplan", Kind::ClosePlan}};
  for (const auto& [name, kind] : kPlain) {
    if (verb == name) return on(kind);
  }
  return on(Kind::Nothing);
}

void HeadlessPlayer::Play(const ScriptEvent& e) {
  using Kind = Action::Kind;
  if (exited_) return;
  const Action a = Decode(e);
  const Control focused = h_.form.Focused();
  auto keyInBox = [&](Key k) { h_.calc.KeyDown(focused, k); };
  switch (a.kind) {
    case Kind::Nothing:
      return;
    case Kind::Type:
      return TypeText(a.text);
    case Kind::Paste:
      keyInBox(Key::Other);  // Ctrl+V
      h_.form.clipboard = a.text;
      return h_.Paste(a.text);
    case Kind::Delete:
      return h_.Delete();
    case Kind::Backspace:
      return h_.Backspace();
    case Kind::SelectAll:
      keyInBox(Key::Other);  // Ctrl+A
      if (IsTextBox(focused)) h_.SelectAllOf(focused);
      return;
    case Kind::Select:
      if (!IsTextBox(focused)) return;
      keyInBox(Key::Other);
      // Home, then Right and Shift+Right: each move that goes anywhere ends a typing step.
      h_.form.MoveCursor(focused, 0);
      h_.form.MoveCursor(focused,
                         std::min(a.start, static_cast<int>(h_.form.Text16(focused).size())));
      if (a.length > 0) h_.form.History(focused).Moved();
      return h_.form.Select(focused, a.start, a.length);
    case Kind::Up:
    case Kind::Down: {
      const bool up = a.kind == Kind::Up;
      if (IsTextBox(focused)) return h_.Press(up ? Key::Up : Key::Down);
      // A push button passes the arrows to the focus chain; the unit options move the choice.
      if (focused == Control::LU || focused == Control::PasteClip) {
        return up ? h_.BackTab() : h_.Tab();
      }
      if (focused == Control::Imperial) ChooseOption(Control::Metric);
      if (focused == Control::Metric) ChooseOption(Control::Imperial);
      return;
    }
    case Kind::Left:
    case Kind::Right:
      keyInBox(Key::Other);
      return Arrow(a.kind == Kind::Right);
    case Kind::Menu:
      PressBox(a.control, false);
      return MenuEdit(a);
    case Kind::Middle:
      PressBox(a.control, true);
      if (primarySelection) h_.PasteInto(a.control, a.text);
      return;
    case Kind::Drop: {
      // A drag from another program moves no pointer over the window: no hint changes.
      h_.calc.BoxClicked(a.control);
      // Dropped where the pointer is, at the end of the text, whatever was selected.
      h_.form.MoveCursor(a.control, static_cast<int>(h_.form.Text16(a.control).size()));
      return h_.PasteInto(a.control, a.text);
    }
    case Kind::Key:
      return keyInBox(Key::Other);
    case Kind::Help:
      h_.calc.HelpRequested(focused);
      return keyInBox(Key::Other);
    case Kind::Tab:
      return h_.Tab();
    case Kind::ClickBox:
      return ClickBox(a.control);
    case Kind::ClickOn:
      return ClickOn(a.control);
    case Kind::Spin:
    case Kind::Hold:
      if (pressed_) return;
      PointAt(a.arrow);
      pressed_ = a.arrow;
      holding_ = true;
      nextRepeat_ = h_.form.Millis() + 300;  // the delay before a held button repeats
      Repeat();                              // the press steps
      if (a.kind == Kind::Spin) Release();
      return;
    case Kind::Press:
      return Press(a.control);
    case Kind::Release:
      return Release();
    case Kind::Hover:
      return PointAt({a.control});
    case Kind::Lamp:
    case Kind::Family:
      keyInBox(Key::Other);  // Alt
      h_.calc.LampMenuOpened();
      for (const LampFamily* f : a.lamp->families) h_.calc.LampFamilyOpened(*f);
      if (a.kind == Kind::Lamp) h_.calc.LampEntryChosen(*a.lamp->entry);
      return;
    case Kind::ReadMe:
      keyInBox(Key::Other);
      h_.calc.LampMenuOpened();
      return h_.calc.LampReadMeChosen();
    case Kind::Lamps:
      keyInBox(Key::Other);
      return h_.calc.LampMenuOpened();
    case Kind::Levels:
    case Kind::ShotMenu:  // its submenus of levels do nothing when they open
      keyInBox(Key::Other);
      return h_.calc.LevelMenuOpened();
    case Kind::Level:
      keyInBox(Key::Other);
      h_.calc.LevelMenuOpened();
      return h_.calc.LevelChosen(*a.level->level);
    case Kind::CancelReport:
      if (standalone) h_.form.ScriptAnswer(MessageAnswer::Cancel);
      return ClickOn(Control::PasteClip);
    case Kind::NoClipboard:
      // A real clipboard cannot be made to refuse a write; only the headless form can.
      if (standalone) h_.form.clipboardWritable = !h_.form.clipboardWritable;
      return;
    case Kind::Plan:
      keyInBox(Key::Other);  // Alt
      if (!h_.plan) h_.plan.emplace();
      return;
    case Kind::ClosePlan:
      return h_.plan.reset();
    case Kind::Rows:
      if (!h_.plan) return;
      return h_.plan->ChooseRows(h_.plan->Compute(h_.calc.session()).grid.rows + a.start);
    case Kind::Wait:
      return Wait(a.ms);
  }
}

}  // namespace candelor::testing
