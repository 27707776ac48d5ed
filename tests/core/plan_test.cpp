#include "core/plan.h"

#include <gtest/gtest.h>

#include "support/harness.h"

namespace candelor {
namespace {

using testing::Harness;
using Figures = std::vector<std::string>;

// A room typed in, then either the level solved from an entered count or the count solved.
RoomPlan PlanOf(Harness& h, const char* length, const char* width, const char* count) {
  h.Enter(Control::RL, length);
  h.Enter(Control::RW, width);
  if (*count) {
    h.Click(Control::NOF);
    h.SelectAllOf(Control::NOF);
    h.Type(count);
  }
  h.Advance(50);
  return PlanView().Compute(h.calc.session());
}

struct Row {
  const char *length, *width, *count;
  Figures figures;  // the first figures, in order
};

TEST(RoomPlan, GridAndFigures) {
  const Row rows[] = {
      {"30",
       "20",
       "",
       {"16 luminaires: 4 rows of 4", "Needed: 15.1", "Lighting level with 16: 64 FC",
        "Spacing: 7.5 Ft along, 5.0 Ft across; 3.8 Ft and 2.5 Ft from the walls",
        "Spacing to height: 1.25 along, 0.83 across"}},
      {"30", "20", "12", {"12 luminaires: 3 rows of 4", "Entered: 12"}},
      {"10", "10", "3", {"3 luminaires: 1 row of 3"}},
      {"10", "10", "7", {"8 luminaires: 2 rows of 4", "Entered: 7"}},
      {"10", "10", "2.5", {"3 luminaires: 1 row of 3", "Entered: 2.5"}},
      {"10", "10", "12", {"12 luminaires: 3 rows of 4"}},
      {"10", "10", "1", {"1 luminaire: 1 row of 1"}},
      {"10", "10", "2", {"2 luminaires: 1 row of 2"}},
      {"30", "20", "13", {"14 luminaires: 2 rows of 7"}},
      {"100", "5", "10", {"10 luminaires: 1 row of 10"}},
      {"30",
       "20",
       "4",
       {"4 luminaires: 2 rows of 2", "Entered: 4", "Lighting level with 4: 16 FC",
        "Spacing: 15.0 Ft along, 10.0 Ft across; 7.5 Ft and 5.0 Ft from the walls",
        "Spacing to height: 2.50 along, 1.67 across; above the usual 1.5: check the luminaire's "
        "data"}},
      {"1000", "1000", "", {"25280 luminaires: 158 rows of 160"}},
  };
  for (const Row& row : rows) {
    Harness h;
    const RoomPlan plan = PlanOf(h, row.length, row.width, row.count);
    ASSERT_GE(plan.figures.size(), row.figures.size()) << row.length << " x " << row.width;
    EXPECT_EQ(Figures(plan.figures.begin(), plan.figures.begin() + row.figures.size()), row.figures)
        << row.length << " x " << row.width << " with " << row.count;
  }
}

TEST(RoomPlan, MetricAndLuxAndTheDescription) {
  Harness h;
  EXPECT_EQ(PlanOf(h, "30", "20", "").description,
            "4 rows of 4 luminaires, 7.5 feet apart along the length and 5.0 feet across, 3.8 "
            "and 2.5 feet from the walls");
  h.calc.UnitOptionSelected(UnitSystem::Metric);
  h.calc.LevelUnitPressed();
  h.Advance(50);
  const Figures figures = PlanView().Compute(h.calc.session()).figures;
  EXPECT_EQ(Figures(figures.begin() + 2, figures.begin() + 4),
            Figures({"Lighting level with 16: 684 Lux",
                     "Spacing: 2.3 m along, 1.5 m across; 1.1 m and 0.8 m from the walls"}));
  Harness many;
  EXPECT_EQ(PlanOf(many, "1000", "1000", "").figures.back(), "Too many luminaires to draw");
}

TEST(RoomPlan, ChosenRowsHoldUntilTheRoomChanges) {
  Harness h;
  PlanView view;
  PlanOf(h, "30", "20", "");
  view.Compute(h.calc.session());
  view.ChooseRows(2);
  EXPECT_EQ(view.Compute(h.calc.session()).figures[0], "16 luminaires: 2 rows of 8");
  view.ChooseRows(40);
  EXPECT_EQ(view.Compute(h.calc.session()).figures[0], "16 luminaires: 16 rows of 1");
  h.Enter(Control::RL, "31");
  h.Advance(50);
  EXPECT_EQ(view.Compute(h.calc.session()).figures[0], "16 luminaires: 4 rows of 4");
}

TEST(RoomPlan, NoLayoutNeverShowsAnEarlierState) {
  Harness h;
  PlanView view;
  Figures whileOpen;
  h.form.ScriptAnswer([&](const Message&) {
    whileOpen = view.Compute(h.calc.session()).figures;
    return MessageAnswer::Ok;
  });
  h.Enter(Control::LLV, "0");
  h.Advance(50);
  EXPECT_EQ(whileOpen, Figures({"No layout",
                                "Waiting for the message to be answered: "
                                "Incorrect data. Verify"}));
  EXPECT_EQ(view.Compute(h.calc.session()).figures,
            Figures({"No layout", "Waiting for the data to be corrected"}));
  PlanOf(h, "10", "10", "0");
  EXPECT_EQ(view.Compute(h.calc.session()).figures[0], "No layout");
}

}  // namespace
}  // namespace candelor
