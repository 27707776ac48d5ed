#pragma once

#include "catalogue/lamps.h"
#include "catalogue/levels.h"
#include "core/session.h"

namespace candelor {

// A lamp family's submenu opens: its depreciation (if it has one) is written at once.
void LampFamilyOpened(Session& s, const LampFamily& family);

// A lamp is chosen: its lumens (and its own depreciation, if any) are written as if typed, and
// the focus returns to the lamp lumens box 150 ms later.
void LampEntryChosen(Session& s, const LampEntry& entry);

// "&Read me first": cancels a pending focus return and shows the estimate notice.
void LampReadMeChosen(Session& s);

// A recommended level is chosen: written in the level unit shown, the advice for the demanding
// tasks, then the focus returns to the level box.
void LevelChosen(Session& s, const RecommendedLevel& level);

}  // namespace candelor
