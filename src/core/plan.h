#pragma once

// The room plan: the luminaires of the solved (or entered) count laid out in rows on the room,
// with the figures a designer hangs them by. It reads the window's texts as a tick does and
// writes nothing, so the main window is the same whether the plan is open or not.

#include <optional>
#include <string>
#include <vector>

#include "core/session.h"

namespace candelor {

// Rows run along the room's length; `rows` of them across the width, `perRow` luminaires each.
struct PlanGrid {
  int rows = 1;
  int perRow = 1;
  bool operator==(const PlanGrid&) const = default;
};

// The grid for `count` luminaires in a room `length` by `width`: the whole number of rows near
// sqrt(count * width / length) that hangs the fewest luminaires, then the squarest cells, then
// fewer rows.
PlanGrid ChooseGrid(int count, double length, double width);

// The grid with a chosen number of rows (1 to count); each row holds what is left over.
PlanGrid GridWithRows(int count, int rows);

// Beyond this many the symbols would be too small to read.
inline constexpr int kMostDrawnLuminaires = 2500;

// What the plan window shows. Without a layout only `figures` (the reason) and `description`
// are set.
struct RoomPlan {
  bool layout = false;
  bool drawable = false;
  int count = 0;  // the luminaires box rounded up to a whole number
  PlanGrid grid;
  float length = 0, width = 0;
  std::string lengthUnit;            // "Ft" or "m", as the captions write it
  std::vector<std::string> figures;  // one line each
  std::string description;           // the grid in words, for a screen reader
  bool operator==(const RoomPlan&) const = default;
};

// The plan and the one thing the user sets in it, the number of rows. The chosen rows hold
// until the count, the length or the width changes.
class PlanView {
 public:
  RoomPlan Compute(const Session& s);
  // The user steps the rows; clamped to 1 and the count of the last plan.
  void ChooseRows(int rows);
  const RoomPlan& last() const { return last_; }

 private:
  struct Key {
    int count = 0;
    float length = 0, width = 0;
    bool operator==(const Key&) const = default;
  };
  std::optional<int> rows_;
  Key key_;
  RoomPlan last_;
};

}  // namespace candelor
