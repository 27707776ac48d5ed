#pragma once

#include "core/session.h"
#include "core/texts.h"

namespace candelor {

// The commit of an input box, run after every change of its text, whoever made it: it tests the
// text, repairs it (silently, or with a message and a put-back value), stores the accepted value
// and re-derives the labels that hang on it (area and ratio, light loss factor).
void CommitBox(Session& s, Control box);

// A box loses the focus: a number left with its group of thousands unfinished ("1,5" for a
// decimal comma) becomes the number before the comma, the value it has had all along.
void LeaveBox(Session& s, Control box);

// What a box does when it receives the focus; the commits call it after a repair.
void FocusBehaviour(Session& s, Control box);

}  // namespace candelor
