#pragma once

#include <string>

namespace candelor {

// docs/bad-input.md: what the calculator does with each bad input, from the test's own table.
std::string RenderBadInputDoc();

}  // namespace candelor
