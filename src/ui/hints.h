#pragma once

#include <optional>
#include <string_view>

#include "core/form.h"
#include "core/texts.h"

namespace candelor {

// The mouse-over hint of a control; empty for a control that leaves the panel as it is. The
// level-unit button's hint depends on its caption.
std::optional<std::string_view> MouseOverHint(Control c, std::string_view levelUnitCaption);

// The explanation a click on a term opens, if any.
std::optional<Message> TermExplanation(Control c);

// The explanation F1 opens from a box or a result: that of the term it belongs to, if any.
std::optional<Message> HelpFor(Control c);



// Mouse pointers over the framed groups, in the toolkit's numbering of standard pointers.
enum class Pointer { Default, Arrow = 1, Icon = 4, ArrowQuestion = 14 };
Pointer GroupPointer(Control c);

}  // namespace candelor
