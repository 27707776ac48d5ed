#pragma once

#include <string_view>
#include <variant>
#include <vector>

namespace candelor {

struct LevelNode;

// A recommended maintained level in foot-candles; the most demanding visual tasks carry the
// advice to combine task and general lighting.
struct RecommendedLevel {
  std::string_view name;
  std::string_view caption;
  float footCandles = 0.0f;
  bool advice = false;
};

// A submenu of levels; opening it does nothing.
struct LevelGroup {
  std::string_view name;
  std::string_view caption;
  std::vector<LevelNode> children;
};

struct LevelNode {
  std::variant<RecommendedLevel, LevelGroup> item;
};

// The groups under "&Recommended Ltg Levels", in menu order.
const std::vector<LevelGroup>& LevelCatalogue();

// Every recommended level, in menu order.
std::vector<const RecommendedLevel*> AllLevels();

}  // namespace candelor
