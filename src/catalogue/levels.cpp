#include "catalogue/levels.h"

namespace candelor {
namespace {

LevelNode Level(std::string_view name, std::string_view caption, float fc, bool advice = false) {
  return {RecommendedLevel{name, caption, fc, advice}};
}

LevelNode Group(std::string_view name, std::string_view caption, std::vector<LevelNode> items) {
  return {LevelGroup{name, caption, std::move(items)}};
}

std::vector<LevelGroup> Build() {
  auto group = [](LevelNode node) { return std::get<LevelGroup>(std::move(node.item)); };
  std::vector<LevelGroup> top;
  top.push_back(
      group(Group("mnuRecByt", "By &visual task",
                  {Level("mnuRecByt1", "&Occasional task", 15),
                   Level("mnuRecByt2", "&High contrast or large size", 30),
                   Level("mnuRecByt3", "&Medium contrast or small size", 75, true),
                   Level("mnuRecByt4", "&Low contrast or very small size", 150, true),
                   Level("mnuRecByt5", "&Very small size or long duration", 300, true)})));
  top.push_back(group(Group(
      "mnuRecBy", "By &building type and task",
      {Level("mnuRecBb1", "&U/G parking areas", 5),
       Group("mnuRecBb2", "&Hospitals",
             {Level("mnuRecBb21", "&Corridors", 30), Level("mnuRecBb22", "&Examination rooms", 75),
              Level("mnuRecBb23", "&Operating rooms", 150)}),
       Group("mnuRecBb3", "&Offices",
             {Level("mnuRecBb31", "&General", 30), Level("mnuRecBb32", "&Lobby", 30),
              Level("mnuRecBb33", "&Conference rooms.", 30)}),
       Level("mnuRecBb4", "&Kitchens", 60), Level("mnuRecBb5", "&Bathrooms", 15),
       Level("mnuRecBb6", "&Stairways", 15), Level("mnuRecBb61", "&Corridors", 15),
       Level("mnuRecBb7", "Utility &rooms", 30), Level("mnuRecBb8", "&Entrances", 5)})));
  return top;
}

}  // namespace

std::vector<const RecommendedLevel*> AllLevels() {
  std::vector<const RecommendedLevel*> out;
  auto walk = [&](const LevelGroup& group, auto& self) -> void {
    for (const LevelNode& node : group.children) {
      if (const auto* level = std::get_if<RecommendedLevel>(&node.item)) {
        out.push_back(level);
      } else {
        self(std::get<LevelGroup>(node.item), self);
      }
    }
  };
  for (const LevelGroup& group : LevelCatalogue()) walk(group, walk);
  return out;
}

const std::vector<LevelGroup>& LevelCatalogue() {
  static const std::vector<LevelGroup> catalogue = Build();
  return catalogue;
}

}  // namespace candelor
