#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/form.h"

namespace candelor::testing {

// A text box's undo history as the toolkit's line edit keeps it: every edit a list of commands,
// undone and redone in the same groups. Typing runs on as one step until the cursor moves; a
// selection replaced starts a step of its own; a program write or a paste cut at the typing
// limit forgets everything.
class LineHistory {
 public:
  // The user moved the cursor: what is typed next is a new step.
  void Moved() { separator_ = true; }
  // A typed character the box refused: recorded and at once undone, it leaves only this trace.
  void Refused() { separator_ = false; }
  void Clear() {
    commands_.clear();
    state_ = 0;
  }
  bool CanUndo() const { return state_ > 0; }
  bool CanRedo() const { return state_ < static_cast<int>(commands_.size()); }

  // An edit of `text` with selection `sel` (cursor at its end): the selection, or else
  // `removeBefore` characters before the cursor or `removeAfter` after it, removed, then
  // `inserted` typed at the cursor. The text becomes what it edits it into.
  void Edit(std::u16string& text, Selection& sel, int removeBefore, int removeAfter,
            std::u16string_view inserted);

  // Undo and redo, on the text and selection they apply to.
  void Undo(std::u16string& text, Selection& sel);
  void Redo(std::u16string& text, Selection& sel);

 private:
  enum Type { Separator, Insert, Remove, Delete, RemoveSelection, DeleteSelection, SetSelection };
  struct Command {
    Type type;
    int pos;
    char16_t c;
    int selStart, selEnd;
  };
  void Add(const Command& command, int cursor, int selStart, int selEnd);

  std::vector<Command> commands_;
  int state_ = 0;
  bool separator_ = false;
};

}  // namespace candelor::testing
