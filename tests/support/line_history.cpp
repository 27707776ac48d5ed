#include "support/line_history.h"

namespace candelor::testing {

void LineHistory::Add(const Command& command, int cursor, int selStart, int selEnd) {
  commands_.resize(static_cast<std::size_t>(state_));
  if (separator_ && state_ > 0 && commands_.back().type != Separator)
    commands_.push_back({Separator, cursor, u'\0', selStart, selEnd});
  separator_ = false;
  commands_.push_back(command);
  state_ = static_cast<int>(commands_.size());
}

void LineHistory::Edit(std::u16string& text, Selection& sel, int removeBefore, int removeAfter,
                       std::u16string_view inserted) {
  int cursor = sel.start + sel.length;
  if (sel.length > 0) {
    const int start = sel.start, end = sel.start + sel.length;
    separator_ = true;
    Add({SetSelection, cursor, u'\0', start, end}, cursor, start, end);
    for (int i = end - 1; i >= start; --i) Add({RemoveSelection, i, text[i], -1, -1}, cursor, 0, 0);
    text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    cursor = start;
  } else if (removeBefore > 0 && cursor > 0) {
    --cursor;
    Add({Remove, cursor, text[cursor], -1, -1}, cursor, 0, 0);
    text.erase(static_cast<std::size_t>(cursor), 1);
  } else if (removeAfter > 0 && cursor < static_cast<int>(text.size())) {
    Add({Delete, cursor, text[cursor], -1, -1}, cursor, 0, 0);
    text.erase(static_cast<std::size_t>(cursor), 1);
  }
  for (char16_t ch : inserted) {
    Add({Insert, cursor, ch, -1, -1}, cursor, 0, 0);
    text.insert(static_cast<std::size_t>(cursor), 1, ch);
    ++cursor;
  }
  sel = {cursor, 0};
}

void LineHistory::Undo(std::u16string& text, Selection& sel) {
  int cursor = sel.start + sel.length, selStart = 0, selEnd = 0;
  while (state_ > 0) {
    const Command cmd = commands_[static_cast<std::size_t>(--state_)];
    switch (cmd.type) {
      case Insert:
        text.erase(static_cast<std::size_t>(cmd.pos), 1);
        cursor = cmd.pos;
        break;
      case SetSelection:
        selStart = cmd.selStart;
        selEnd = cmd.selEnd;
        cursor = cmd.pos;
        break;
      case Remove:
      case RemoveSelection:
        text.insert(static_cast<std::size_t>(cmd.pos), 1, cmd.c);
        cursor = cmd.pos + 1;
        break;
      case Delete:
      case DeleteSelection:
        text.insert(static_cast<std::size_t>(cmd.pos), 1, cmd.c);
        cursor = cmd.pos;
        break;
      case Separator:
        continue;
    }
    if (state_ > 0) {
      const Type next = commands_[static_cast<std::size_t>(state_ - 1)].type;
      if (next != cmd.type && next < RemoveSelection &&
          (cmd.type < RemoveSelection || next == Separator))
        break;
    }
  }
  sel = selStart < selEnd ? Selection{selStart, selEnd - selStart} : Selection{cursor, 0};
}

void LineHistory::Redo(std::u16string& text, Selection& sel) {
  int cursor = sel.start + sel.length, selStart = 0, selEnd = 0;
  while (state_ < static_cast<int>(commands_.size())) {
    const Command cmd = commands_[static_cast<std::size_t>(state_++)];
    switch (cmd.type) {
      case Insert:
        text.insert(static_cast<std::size_t>(cmd.pos), 1, cmd.c);
        cursor = cmd.pos + 1;
        break;
      case SetSelection:
      case Separator:
        selStart = cmd.selStart;
        selEnd = cmd.selEnd;
        cursor = cmd.pos;
        break;
      case Remove:
      case Delete:
      case RemoveSelection:
      case DeleteSelection:
        text.erase(static_cast<std::size_t>(cmd.pos), 1);
        selStart = cmd.selStart;
        selEnd = cmd.selEnd;
        cursor = cmd.pos;
        break;
    }
    if (state_ < static_cast<int>(commands_.size())) {
      const Type next = commands_[static_cast<std::size_t>(state_)].type;
      if (next != cmd.type && cmd.type < RemoveSelection && next != Separator &&
          (next < RemoveSelection || cmd.type == Separator))
        break;
    }
  }
  const bool selected = selStart >= 0 && selStart < selEnd && !text.empty();
  sel = selected ? Selection{selStart, selEnd - selStart} : Selection{cursor, 0};
}

}  // namespace candelor::testing
