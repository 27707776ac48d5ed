#pragma once

// Event scripts: what a user does, one event a line ("type 12", "click NOF", "wait 50"). The
// fuzzer plays them on the headless form; the replay plays each on the headless form and on the
// real window and compares the two after every event. Every verb is something a person does with
// the keyboard or the mouse, so that both forms can be given the same event.
//
//   type TEXT        keys, one per character, into whatever has the focus
//   paste TEXT       Ctrl+V with TEXT on the clipboard; pastemany C N: N (up to 40000) copies of C
//   delete, backspace, selectall (Ctrl+A), select SSLL (Home, S x Right, L x Shift+Right)
//   up, down, left, right, key    the arrow keys and a key that does nothing (Shift); help: F1
//   tab              the Tab key
//   click BOX        a click into an input box, then End; focus X: the same into any text box
//   explain X        a click on any control (a term's group opens its explanation)
//   menu BOX EDIT [TEXT]          a right click at the end of BOX's text, then the entry EDIT
//                    of its menu (paste TEXT, cut, delete, selectall, undo, redo; a disabled
//                    entry: Escape)
//   middle BOX TEXT  TEXT as the primary selection, pasted by a middle click at the end of BOX
//   drop BOX TEXT    TEXT dragged from another program and dropped at the end of BOX
//   spinup BOX, spindown BOX      a click on a spin arrow
//   holdup BOX, holddown BOX      a press on a spin arrow, held until "release"
//   press X, release              a press on a control, and letting go wherever the pointer is
//   hover X          the pointer moves onto a control
//   metric, imperial, levelunit   a click on the unit controls
//   lamp N, family N, readme, level N   the catalogue menus by keyboard; lamps, levels: a
//                    catalogue menu opened and closed again (Alt, Escape, Escape)
//   report, cancelreport          Paste to Clipboard, answered OK or Cancel
//   noclipboard      the clipboard refuses writes (headless only)
//   plan, closeplan  the room plan opened by Alt+V R (the keyboard then back to the calculator),
//                    and closed by Escape; rowsup, rowsdown: its rows stepped (not under a seat)
//   wait MS          time passes
// Arguments that name no control or are no number still pick one, so any bytes are a script.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/lamps.h"
#include "catalogue/levels.h"
#include "core/controls.h"
#include "input/stepping.h"

namespace candelor::testing {

class Harness;

struct ScriptEvent {
  std::string verb;
  std::string arg;
};

std::vector<ScriptEvent> ParseScript(std::string_view text);

// A control picked by name, or by a hash of any other text.
Control ControlFrom(std::string_view arg);
// An input box picked the same way.
Control BoxFrom(std::string_view arg);
// The digits of an argument as a number, at most `limit`.
std::uint64_t NumberFrom(std::string_view arg, std::uint64_t limit);

// A place a user can point at: a control, or one arrow of a box's spin button.
struct Target {
  Control control = Control::Background;
  bool arrow = false;
  StepDirection direction = StepDirection::Up;
  bool operator==(const Target&) const = default;
};

// Whether the pointer can reach a control (the clock line lies outside the window).
bool Pointable(Control c);
// The buttons and options, which take the focus when pressed.
bool IsButton(Control c);

// How the keyboard reaches a menu entry: the row chosen in each menu from the top, the first
// row of every menu being highlighted as it opens.
struct LampPath {
  std::vector<const LampFamily*> families;  // opened on the way, outermost first
  const LampEntry* entry = nullptr;         // chosen at the end; none for a family alone
  std::vector<int> rows;
};
struct LevelPath {
  const RecommendedLevel* level = nullptr;
  std::vector<int> rows;
};
const std::vector<LampPath>& LampPaths();    // every lamp
const std::vector<LampPath>& FamilyPaths();  // every family, opened and closed again
const std::vector<LevelPath>& LevelPaths();  // every level

// An event worked out once, so that both forms act on the same thing: which control, arrow or
// menu entry its argument picks, the text it types or pastes, and whether it does anything.
struct Action {
  enum class Kind {
    Nothing,  // an unknown verb, or one whose target cannot be reached
    Type,
    Paste,
    Delete,
    Backspace,
    SelectAll,
    Select,  // start, length
    Up,
    Down,
    Left,
    Right,
    Key,
    Help,
    Tab,
    ClickBox,  // control: a text box
    Menu,      // control: a text box; edit, text
    Middle,    // control: a text box; text
    Drop,      // control: a text box; text
    ClickOn,   // control: anything the pointer reaches but a text box (Paste to Clipboard too)
    Spin,      // arrow
    Hold,      // arrow
    Press,     // control: anything the pointer reaches but a text box or button
    Release,
    Hover,   // control
    Lamp,    // lamp: its path, entry chosen
    Family,  // lamp: its path, opened and closed again
    ReadMe,
    Lamps,
    Levels,
    Level,     // level
    ShotMenu,  // text: the picture's name; start: the row whose submenu opens
    CancelReport,
    NoClipboard,
    Plan,
    ClosePlan,
    Rows,  // start: the step, +1 or -1
    Wait,  // ms
  };
  // The entries of a box's own menu that edit or select.
  enum class Edit { Paste, Cut, Delete, SelectAll, Undo, Redo };
  Kind kind = Kind::Nothing;
  Edit edit = Edit::Paste;
  std::string text;
  Control control = Control::Background;
  Target arrow;
  int start = 0, length = 0, ms = 0;
  const LampPath* lamp = nullptr;
  const LevelPath* level = nullptr;
};
Action Decode(const ScriptEvent& e);

// Plays events on the headless form as the real window answers them.
class HeadlessPlayer {
 public:
  explicit HeadlessPlayer(Harness& h) : h_(h) {}

  // Alone, the form keeps its own virtual time and answers. In a replay, time is the real
  // window's (its ticks and a held arrow's repeats are passed on as they happen, so a "wait"
  // lets no time pass here) and so are the answers to messages.
  bool standalone = true;
  // A middle click pastes the primary selection only where the window system has one.
  bool primarySelection = true;
  // Whether Left and Right on a selection put the cursor at its start and end (as on X11) or
  // step from the cursor (the keyboard scheme of some platforms).
  bool leftCollapses = true, rightCollapses = true;

  void Play(const ScriptEvent& e);
  // A held arrow repeats (the real window's repeat, in a replay).
  void Repeat();
  bool exited() const { return exited_; }
  std::optional<Target> held() const;

 private:
  void PointAt(Target t);
  void ClickOn(Control c);
  void ClickBox(Control box);
  // A right or middle press into a box at the end of its text.
  void PressBox(Control box, bool moveCursor);
  void MenuEdit(const Action& a);
  void Arrow(bool forward);
  void ChooseOption(Control option);
  void Press(Control c);
  void Release();
  void TypeText(std::string_view utf8);
  void Wait(int ms);

  Harness& h_;
  std::optional<Target> pointer_;  // where the pointer is
  std::optional<Target> pressed_;  // where a held button went down
  bool holding_ = false;           // the held arrow still repeats
  std::int64_t nextRepeat_ = 0;
  bool exited_ = false;
};

}  // namespace candelor::testing
