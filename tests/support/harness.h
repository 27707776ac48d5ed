#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/plan.h"
#include "support/headless_form.h"
#include "ui/calculator.h"

namespace candelor::testing {

// A calculator on a headless form, driven by what a user does: select, type, delete, paste,
// press keys, click, spin, and let time pass.
class Harness {
 public:
  Harness();

  HeadlessForm form;
  Calculator calc{form};
  std::optional<PlanView> plan;  // while the room plan is open

  std::string Text(Control c) const { return form.Text(c); }
  const CalcState& state() const { return calc.state(); }

  // Focus moves as by a click into the box (cursor at the end), without the click's own event.
  void FocusBox(Control c);
  // Click into a box: focus, then the click (which chooses the solving direction).
  void Click(Control c);
  // Selects a box's whole text, as a user dragging over it would.
  void SelectAllOf(Control c);
  // Focuses the box and selects its whole text.
  void SelectAllIn(Control c) {
    FocusBox(c);
    SelectAllOf(c);
  }
  // Types characters one by one into the focused box, over its selection, honouring its typing
  // limit; each key first reaches the key handling of the box. Control characters insert
  // nothing, as in a real text box.
  void Type(std::string_view utf8);
  // Delete key: the selection or the character after the cursor.
  void Delete();
  void Backspace();
  // Pastes over the selection as one change, cut at the typing limit.
  void Paste(std::string_view utf8) { PasteInto(form.Focused(), utf8); }
  // The same into any box, focused or not (a drop, a middle-button paste).
  void PasteInto(Control c, std::string_view utf8);
  // Undo (or redo) of the box's last step, as its menu does.
  void UndoIn(Control c, bool redo);
  // A user's edit of a box as the box makes it: its selection (or a character before or after
  // the cursor) removed and `piece` inserted, within the typing limit, recorded for undo.
  void Edit(Control c, int removeBefore, int removeAfter, std::u16string_view piece, bool typed);
  // The arrow keys in the focused box.
  void Press(Key key);
  // The Tab key: the next control in the tab order; Shift+Tab the one before.
  void Tab();
  void BackTab();
  void SpinDown(Control box) { calc.SpinDown(box); }
  void SpinUp(Control box) { calc.SpinUp(box); }
  void Advance(int ms) { form.Advance(ms); }

  // Shortcut: select all of a box and type a new value.
  void Enter(Control box, std::string_view utf8) {
    SelectAllIn(box);
    Type(utf8);
  }
};

}  // namespace candelor::testing
