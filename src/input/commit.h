#pragma once

#include "core/session.h"

namespace candelor {

// The commit of an input box, run after every change of its text, whoever made it: it tests the
// text, repairs it (silently, or with a message and a put-back value), stores the accepted value
// and re-derives the labels that hang on it (area and ratio, light loss factor).
void CommitBox(Session& s, Control box);

// What a box does when it receives the focus; the commits call it after a repair.
void FocusBehaviour(Session& s, Control box);

// The range messages of the commits.
Message GreaterThanZeroMessage();      // M1
Message LessThanTenThousandMessage();  // M2
Message DepreciationRangeMessage();    // M3
Message UtilizationRangeMessage();     // M4
Message CavityTooHighMessage();        // M5

// The hint that room length shows when it gains the focus.
inline constexpr std::string_view kRoomLengthHint =
    " Use keyboard arrows to scroll the values in active boxes. Use Tab key to switch between "
    "boxes.";

}  // namespace candelor
