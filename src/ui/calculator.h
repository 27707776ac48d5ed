#pragma once

#include "catalogue/lamps.h"
#include "catalogue/levels.h"
#include "core/form.h"
#include "core/session.h"
#include "input/stepping.h"

namespace candelor {

// The calculator's logic as the window sees it: one handler per event of a control, each
// working through the port. The window owns one Calculator and forwards its events here; it
// adds no logic of its own.
//
// One event end to end: a typed "2" in room length changes the box's text; the window reports
// TextChanged(RL), the commit of RL accepts it and runs the commit of RCH, which derives area and
// ratio and writes their labels. Within 50 ms TimerFired(Timer1) reads every input from the
// texts, solves the number of luminaires and writes it, the clock line and the spacing.
class Calculator : public FormEvents {
 public:
  explicit Calculator(Form& form);

  // Start-up: the start values and the first ticker. Call once the window shows its start texts.
  void Start();

  // Events the port's own operations may raise.
  void TextChanged(Control c) override;
  void FocusGained(Control c) override;
  void FocusLost(Control c) override;
  void TimerFired(Timer t) override;

  // Keys, clicks and spins in the input boxes.
  void KeyDown(Control box, Key key);
  void BoxClicked(Control box);
  void SpinDown(Control box);
  void SpinUp(Control box);

  // The unit controls: an option button became selected; the level-unit button was pressed.
  void UnitOptionSelected(UnitSystem units);
  void LevelUnitPressed();

  // The mouse moves over a control (or the bare background); a click on a term's group, the
  // spacing value or a unit caption opens its explanation.
  void MouseOver(Control c);
  void ControlClicked(Control c);
  // F1 on a box or a result: the explanation of its term, where there is one.
  void HelpRequested(Control c);

  // "Paste to Clipboard" is clicked.
  void PasteClicked();

  // The two catalogue menus drop down; their entries are chosen.
  void LampMenuOpened();
  void LampFamilyOpened(const LampFamily& family);
  void LampEntryChosen(const LampEntry& entry);
  void LampReadMeChosen();
  void LevelMenuOpened();
  void LevelChosen(const RecommendedLevel& level);

  Session& session() { return session_; }
  const Session& session() const { return session_; }
  const CalcState& state() const { return session_.state; }

  // Deepest nesting of commits seen so far (commits run inside commits by design).
  int DeepestCommitNesting() const { return deepestNesting_; }

 private:
  Session session_;
  int nesting_ = 0;
  int deepestNesting_ = 0;
};

}  // namespace candelor
