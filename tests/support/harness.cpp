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
  int end = static_cast<int>(form.Text16(c).size());
  form.Select(c, end, 0);
}

void Harness::Click(Control c) {
  FocusBox(c);
  calc.BoxClicked(c);
}

void Harness::SelectAllOf(Control c) {
  form.Select(c, 0, static_cast<int>(form.Text16(c).size()));
}

void Harness::Insert(Control c, std::u16string_view piece, bool cutAtLimit) {
  if (!IsTextBox(c)) return;
  std::u16string text = form.Text16(c);
  Selection sel = form.GetSelection(c);
  const int limit = TypingLimit(c);
  const int remaining = static_cast<int>(text.size()) - sel.length;
  if (limit > 0 && remaining + static_cast<int>(piece.size()) > limit) {
    if (!cutAtLimit) return;  // a typed character beyond the limit is refused
    piece = piece.substr(0, static_cast<std::size_t>(std::max(0, limit - remaining)));
  }
  text.replace(static_cast<std::size_t>(sel.start), static_cast<std::size_t>(sel.length), piece);
  form.UserEdit(c, std::move(text), sel.start + static_cast<int>(piece.size()));
}

void Harness::Type(std::string_view utf8) {
  std::u16string all = ToUtf16(utf8);
  for (std::size_t i = 0; i < all.size(); ++i) {
    std::size_t n = (all[i] >= 0xD800 && all[i] <= 0xDBFF && i + 1 < all.size()) ? 2 : 1;
    calc.KeyDown(form.Focused(), Key::Other);
    const char16_t c = all[i];
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    if (!control) Insert(form.Focused(), std::u16string_view(all).substr(i, n), false);
    i += n - 1;
  }
}

void Harness::Delete() {
  Control c = form.Focused();
  calc.KeyDown(c, Key::Other);
  if (!IsTextBox(c)) return;  // only a text box has text to edit
  std::u16string text = form.Text16(c);
  Selection sel = form.GetSelection(c);
  if (sel.length == 0 && sel.start < static_cast<int>(text.size())) sel.length = 1;
  text.erase(static_cast<std::size_t>(sel.start), static_cast<std::size_t>(sel.length));
  form.UserEdit(c, std::move(text), sel.start);
}

void Harness::Backspace() {
  Control c = form.Focused();
  calc.KeyDown(c, Key::Other);
  if (!IsTextBox(c)) return;
  std::u16string text = form.Text16(c);
  Selection sel = form.GetSelection(c);
  if (sel.length == 0) {
    if (sel.start == 0) return;
    sel = {sel.start - 1, 1};
  }
  text.erase(static_cast<std::size_t>(sel.start), static_cast<std::size_t>(sel.length));
  form.UserEdit(c, std::move(text), sel.start);
}

void Harness::PasteInto(Control c, std::string_view utf8) {
  Insert(c, ToUtf16(utf8), true);
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
