#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

namespace candelor {

struct LampNode;

// A choosable lamp: its approximate initial lumens and, for some, its own lamp lumen
// depreciation. An entry without lumens changes nothing when chosen.
struct LampEntry {
  std::string_view name;
  std::string_view caption;  // menu text; "&" marks the access key
  std::optional<std::int32_t> lumens;
  std::optional<float> lld;
};

// A submenu of lamps; a family with a depreciation writes it as soon as it opens.
struct LampFamily {
  std::string_view name;
  std::string_view caption;
  std::optional<float> familyLld;
  std::vector<LampNode> children;
};

struct LampNode {
  std::variant<LampEntry, LampFamily> item;
};

// The families under "&Approximate Lamp Lumens", in menu order, after its read-me entry.
const std::vector<LampFamily>& LampCatalogue();

// A lamp with the families a user opens on the way to it, in menu order.
struct LampChoice {
  std::vector<const LampFamily*> families;
  const LampEntry* entry = nullptr;
};
std::vector<LampChoice> AllLamps();

// The read-me entry at the top of the lamp menu.
inline constexpr std::string_view kLampReadMeName = "mnureadme";
inline constexpr std::string_view kLampReadMeCaption = "&Read me first";

}  // namespace candelor
