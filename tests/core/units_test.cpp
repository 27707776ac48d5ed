#include "core/units.h"

#include <gtest/gtest.h>

#include "core/texts.h"
#include "support/harness.h"

namespace candelor {
namespace {

using testing::Harness;

TEST(UnitSystem, MetricAndBackAgain) {
  Harness h;
  h.calc.UnitOptionSelected(UnitSystem::Metric);
  EXPECT_EQ(h.Text(Control::RL), "3.05");
  EXPECT_EQ(h.Text(Control::RW), "3.05");
  EXPECT_EQ(h.Text(Control::RCH), "1.83");
  EXPECT_EQ(h.Text(Control::RA), "9.3025");
  for (Control c : {Control::Unit0, Control::Unit1, Control::Unit2, Control::Unit3}) {
    EXPECT_EQ(h.Text(c), "m");
  }
  EXPECT_EQ(h.Text(Control::Area), "Sqm");
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::NOF), "2.5");
  h.calc.UnitOptionSelected(UnitSystem::Imperial);
  EXPECT_EQ(h.Text(Control::RL), "10.0");
  EXPECT_EQ(h.Text(Control::RW), "10.0");
  EXPECT_EQ(h.Text(Control::RCH), "6.0");
  EXPECT_EQ(h.Text(Control::Area), "SqFt");
  EXPECT_TRUE(h.form.Messages().empty());
}

TEST(UnitSystem, FeetToMetresAndBack) {
  // Back to feet divides by 0.304725, not 0.3048: 1000 ft returns as 1000.2.
  const char* cases[][3] = {{"25", "7.62", "25.0"}, {"1000", "304.80", "1000.2"}};
  for (const auto& [feet, metres, back] : cases) {
    Harness h;
    h.form.SetText(Control::RW, "1000");  // keeps the room wider than its cavity is high
    h.Enter(Control::RL, feet);
    h.calc.UnitOptionSelected(UnitSystem::Metric);
    EXPECT_EQ(h.Text(Control::RL), metres);
    h.calc.UnitOptionSelected(UnitSystem::Imperial);
    EXPECT_EQ(h.Text(Control::RL), back);
  }
}

TEST(UnitSystem, SelectingTheSelectedOptionRunsNothing) {
  Harness h;
  h.calc.UnitOptionSelected(UnitSystem::Imperial);
  EXPECT_EQ(h.Text(Control::RL), "10");
}

TEST(UnitSystem, ASmallRoomConvertsWithoutASpuriousCavityRepair) {
  // 2 x 2 ft with a 1 ft cavity is a valid room in both units; converting one length before
  // the cavity must not make it look too high and replace the cavity height on the way.
  Harness h;
  h.Enter(Control::RL, "2");
  h.Enter(Control::RW, "2");
  h.Enter(Control::RCH, "1");
  h.form.ClearMessages();
  h.calc.UnitOptionSelected(UnitSystem::Metric);
  EXPECT_TRUE(h.form.Messages().empty());
  EXPECT_EQ(h.Text(Control::RCH), "0.30");
  EXPECT_EQ(h.Text(Control::RL), "0.61");
  h.calc.UnitOptionSelected(UnitSystem::Imperial);
  EXPECT_TRUE(h.form.Messages().empty());
  EXPECT_EQ(h.Text(Control::RCH), "1.0");
}

TEST(UnitSystem, ARoomTooHighInMetresIsRepairedOnceAtTheEnd) {
  Harness h;
  h.Enter(Control::RL, "2");
  h.Enter(Control::RW, "2");
  h.Enter(Control::RCH, "3");
  h.form.ClearMessages();
  h.calc.UnitOptionSelected(UnitSystem::Metric);
  ASSERT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.form.Messages()[0].icon, MessageIcon::Error);
  EXPECT_EQ(h.Text(Control::RCH), h.Text(Control::RA));
}

TEST(UnitSystem, MetricLengthsWithFootCandlesSolveTheSameRoom) {
  Harness h;
  h.calc.UnitOptionSelected(UnitSystem::Metric);
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::NOF), "2.5");
  EXPECT_EQ(h.Text(Control::FS), "1.9");
}

struct LevelCase {
  const char* fc;
  const char* lux;
  const char* back;
};

TEST(LevelUnit, WholeNumbersTiesToEven) {
  const LevelCase cases[] = {{"60", "646", "60"},
                             {"5000", "53822", "5000"},
                             {"5", "54", "5"},
                             {"0", "0", "0"},
                             {"15000", "161464", "15000"}};  // 161464.5 lux: ties to even
  for (const auto& c : cases) {
    Harness h;
    h.form.SetText(Control::LLV, c.fc);
    h.calc.LevelUnitPressed();
    EXPECT_EQ(h.Text(Control::LU), "Lux");
    EXPECT_EQ(h.Text(Control::LLV), c.lux);
    EXPECT_EQ(h.state().LevelFactor(), 10.7643f);
    EXPECT_EQ(h.form.Focused(), Control::LLV);
    h.calc.LevelUnitPressed();
    EXPECT_EQ(h.Text(Control::LU), "FC");
    EXPECT_EQ(h.Text(Control::LLV), c.back);
    EXPECT_EQ(h.state().LevelFactor(), 1.0f);
  }
}

TEST(LevelUnit, LuxSolvesTheSameLight) {
  Harness h;
  h.calc.LevelUnitPressed();
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::NOF), "2.5");
  h.Click(Control::NOF);
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::LLV), "641");  // the shown 2.5 luminaires give 59.58 FC
}

TEST(LevelUnit, AHugeLevelIsHeldAtTheIntegerLimit) {
  Harness h;
  h.form.SetText(Control::LLV, "1e30");
  h.calc.LevelUnitPressed();
  EXPECT_EQ(h.Text(Control::LLV), "2.147484E+09");
  h.Advance(50);
  ASSERT_FALSE(h.form.Messages().empty());
  EXPECT_EQ(h.form.Messages()[0].text, "Sorry input data is out of this calculator range");
}

TEST(FocusHints, UnitControls) {
  Harness h;
  h.form.Focus(Control::Imperial);
  EXPECT_EQ(h.Text(Control::Stat), kImperialFocusHint);
  h.form.Focus(Control::Metric);
  EXPECT_EQ(h.Text(Control::Stat), kMetricFocusHint);
  h.form.Focus(Control::LU);
  EXPECT_EQ(h.Text(Control::Stat), kFootCandleFocusHint);
  h.form.Focus(Control::Job);
  EXPECT_EQ(h.Text(Control::Stat), "  ");
  h.calc.LevelUnitPressed();
  h.form.Focus(Control::LU);
  EXPECT_EQ(h.Text(Control::Stat), kLuxFocusHint);
}

}  // namespace
}  // namespace candelor
