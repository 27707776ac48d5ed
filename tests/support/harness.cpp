#include "support/harness.h"

#include <algorithm>
#include <array>

namespace candelor::testing {
namespace {

constexpr std::array<Control, 14> kTabOrder = {
    Control::RL,  Control::RW,       Control::RCH, Control::NOL,      Control::LL,
    Control::LLD, Control::LDD,      Control::COU, Control::NOF,      Control::LLV,
    Control::LU,  Control::Imperial, Control::Job, Control::PasteClip};

}  // namespace

Harness::Harness() {
  form.Attach(&calc);
  calc.Start();
  form.Focus(Control::RL);
}

void Harness::FocusBox(Control c) {
  form.Focus(c);
  form.MoveCursor(c, static_cast<int>(form.Text16(c).size()));
}

void Harness::Click(Control c) {
  FocusBox(c);
  calc.BoxClicked(c);
}

void Harness::SelectAllOf(Control c) {
  form.Select(c, 0, static_cast<int>(form.Text16(c).size()));
}

void Harness::Edit(Control c, int removeBefore, int removeAfter, std::u16string_view piece,
                   bool typed) {
  if (!IsTextBox(c)) return;
  std::u16string text = form.Text16(c);
  Selection sel = form.GetSelection(c);
  LineHistory& history = form.History(c);
  const int limit = TypingLimit(c);
  const int remaining = static_cast<int>(text.size()) - sel.length;
  bool cut = false;
  if (!piece.empty() && limit > 0 && remaining + static_cast<int>(piece.size()) > limit) {
    if (typed) return history.Refused();  // a typed character beyond the limit is refused
    piece = piece.substr(0, static_cast<std::size_t>(std::max(0, limit - remaining)));
    cut = true;  // the box sets the text it cut, and forgets its history
  }
  history.Edit(text, sel, removeBefore, removeAfter, piece);
  if (cut) history.Clear();
  form.UserEdit(c, std::move(text), sel);
}

void Harness::UndoIn(Control c, bool redo) {
  LineHistory& history = form.History(c);
  if (!IsTextBox(c) || !(redo ? history.CanRedo() : history.CanUndo())) return;
  const std::u16string old = form.Text16(c);
  const Selection before = form.GetSelection(c);
  std::u16string text = old;
  Selection sel = before;
  redo ? history.Redo(text, sel) : history.Undo(text, sel);
  // The typing limit looks at it as at any change that is not typed: what it puts back beyond
  // the limit is cut, and the box forgets its history.
  const int limit = TypingLimit(c);
  const int kept = static_cast<int>(old.size()) - before.length;
  const int inserted = static_cast<int>(text.size()) - kept;
  if (limit > 0 && static_cast<int>(text.size()) > limit && inserted > 0) {
    const int room = std::max(0, limit - kept);
    const int at = sel.start + sel.length - inserted + room;
    text.erase(static_cast<std::size_t>(at), static_cast<std::size_t>(inserted - room));
    sel = {at, 0};
    history.Clear();
  }
  form.UserEdit(c, std::move(text), sel);
}

void Harness::Type(std::string_view utf8) {
  std::u16string all = ToUtf16(utf8);
  for (std::size_t i = 0; i < all.size(); ++i) {
    std::size_t n = (all[i] >= 0xD800 && all[i] <= 0xDBFF && i + 1 < all.size()) ? 2 : 1;
    calc.KeyDown(form.Focused(), Key::Other);
    const char16_t c = all[i];
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    if (!control) Edit(form.Focused(), 0, 0, std::u16string_view(all).substr(i, n), true);
    i += n - 1;
  }
}

void Harness::Delete() {
  const Control c = form.Focused();
  calc.KeyDown(c, Key::Other);
  Edit(c, 0, 1, {}, false);  // only a text box has text to edit
}

void Harness::Backspace() {
  const Control c = form.Focused();
  calc.KeyDown(c, Key::Other);
  Edit(c, 1, 0, {}, false);
}

void Harness::PasteInto(Control c, std::string_view utf8) {
  Edit(c, 0, 0, ToUtf16(utf8), false);
}

void Harness::Press(Key key) {
  calc.KeyDown(form.Focused(), key);
}

void Harness::BackTab() {
  Control from = form.Focused() == Control::Metric ? Control::Imperial : form.Focused();
  auto it = std::find(kTabOrder.begin(), kTabOrder.end(), from);
  Control previous =
      it == kTabOrder.end() || it == kTabOrder.begin() ? kTabOrder.back() : *(it - 1);
  if (previous == Control::Imperial && state().units == UnitSystem::Metric) {
    previous = Control::Metric;
  }
  form.Focus(previous);
}

void Harness::Tab() {
  Control from = form.Focused() == Control::Metric ? Control::Imperial : form.Focused();
  auto it = std::find(kTabOrder.begin(), kTabOrder.end(), from);
  Control next = it == kTabOrder.end() || it + 1 == kTabOrder.end() ? kTabOrder.front() : *(it + 1);
  // The unit options are one group, entered at the selected option.
  if (next == Control::Imperial && state().units == UnitSystem::Metric) next = Control::Metric;
  form.Focus(next);
}

}  // namespace candelor::testing
