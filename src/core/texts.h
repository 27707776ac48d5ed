#pragma once

// The words the calculator says on its own: every hint it puts into the hint panel but the
// mouse-over ones of each control (ui/hints.cpp), and every message it shows but the term
// explanations. Each text once, where the logic and the window both find it.

#include <string>
#include <string_view>

#include "core/form.h"

namespace candelor {

// The blank hint that clears the status panel.
inline constexpr std::string_view kBlankHint = "  ";

// Shown while a comma waits for its group of thousands, for a user who meant a decimal comma.
inline constexpr std::string_view kDecimalPointHint =
    " The decimal separator is the point. A comma only groups thousands: 1,000.";

// The hint that room length shows when it gains the focus.
inline constexpr std::string_view kRoomLengthHint =
    " Use keyboard arrows to scroll the values in active boxes. Use Tab key to switch between "
    "boxes.";

// The focus hints of the unit controls.
inline constexpr std::string_view kImperialFocusHint = " Imperial system - Press Arrow to change.";
inline constexpr std::string_view kMetricFocusHint = " Metric system. Press Arrow to change.";
inline constexpr std::string_view kFootCandleFocusHint =
    " Foot-candle.  Press Enter to change to Lux.";
inline constexpr std::string_view kLuxFocusHint =
    " Lux. Also called meter-candle. Press Enter to change to FC.";

// The hint of the job box, on mouse-over and on every change of its text.
inline constexpr std::string_view kJobHint =
    "   Use this box to set job name and/or Room name/number if needed before pasting to "
    "clipboard";

// The close prompt of the hint panel, shown centred while the mouse is over it.
inline constexpr std::string_view kClosePrompt =
    " C L I C K   H E R E   T O    C L O S E   T H E   C A L C U L A T O R";

// The title of the data-input messages.
inline constexpr std::string_view kDataInputTitle = "Data Input error. Verify";
// The title of the report's messages.
inline constexpr std::string_view kPasteTitle = "Pasting Calculation to Clipboard";

// The range messages of the commits.
Message GreaterThanZeroMessage();      // M1
Message LessThanTenThousandMessage();  // M2
Message DepreciationRangeMessage();    // M3
Message UtilizationRangeMessage();     // M4
Message CavityTooHighMessage();        // M5

// Messages of the ticks.
Message IncorrectDataMessage();
Message VerifyDataMessage();
Message OutOfRangeMessage();

// The report's confirmation, and its word when the clipboard refuses it.
Message PasteConfirmationMessage();
Message ClipboardUnavailableMessage();

// The catalogues' messages: the lamp menu's read-me, and the advice of some levels.
inline constexpr std::string_view kLampReadMeText =
    "The Lamp Lumen and LLD values provided here are for estimating purposes only. Consult the "
    "lamp manufacturer for exact information.";
inline constexpr std::string_view kLevelAdviceText =
    "Consider using combination of task and general lighting to achieve the lighting level "
    "suggested.";
Message LampReadMeMessage();
Message LevelAdviceMessage();

// A unit caption in words, as a screen reader or a sentence says it ("Ft" is "feet"); any other
// caption as it stands.
std::string SpelledUnit(std::string_view caption);

}  // namespace candelor
