#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "catalogue/actions.h"
#include "core/texts.h"
#include "support/harness.h"

namespace candelor {
namespace {

using testing::Harness;

// Every lamp in menu order with the texts the boxes show after choosing it by the menu (the
// families on the way have opened first): lamp lumens and lamp lumen depreciation.
struct LampRow {
  const char* name;
  const char* lumens;
  const char* lld;
};

const LampRow kLamps[] = {
    {"mnu3", "12", "0.8"},
    {"mnu6", "40", "0.8"},
    {"mnu10", "75", "0.8"},
    {"mnu15", "126", "0.8"},
    {"mnu25", "260", "0.8"},
    {"mnu40", "500", "0.8"},
    {"mnu60", "2850", "0.88"},
    {"mnu75A19", "1100", "0.88"},
    {"mnu75PAR38", "760", "0.88"},
    {"mnu75R40", "850", "0.88"},
    {"mnu100A19", "1650", "0.88"},
    {"mnu100PAR38", "1250", "0.88"},
    {"mnu100R40", "1160", "0.88"},
    {"mnu150A21", "2800", "0.88"},
    {"mnu150PAR38", "1730", "0.88"},
    {"mnu150R40", "1900", "0.88"},
    {"mnuTHalPAR90", "1740", "0.96"},
    {"mnuTHalPAR150", "2000", "0.96"},
    {"mnuTHalPAR250", "3220", "0.96"},
    {"mnuTHalPAR500", "7000", "0.96"},
    {"mnuTHalPAR1000", "19400", "0.96"},
    {"mnuTHalSngl75", "1400", "0.96"},
    {"mnuTHalSngl100", "1900", "0.96"},
    {"mnuTHalSngl150", "2800", "0.96"},
    {"mnuTHalSngl250", "5000", "0.96"},
    {"mnuTHalSngl400", "8200", "0.96"},
    {"mnuTHalSngl500", "10000", "0.96"},
    {"mnuTHalDbl200", "3460", "0.96"},
    {"mnuTHalDbl300", "5950", "0.96"},
    {"mnuTHalDbl400", "7750", "0.96"},
    {"mnuTHalDbl500", "11100", "0.96"},
    {"mnuTHalDbl1000", "23400", "0.96"},
    {"mnuCS9", "400", "0.85"},
    {"mnuCS11", "600", "0.85"},
    {"mnuCS15", "900", "0.85"},
    {"mnuCS17", "950", "0.85"},
    {"mnuCS18", "1000", "0.85"},
    {"mnuCS20", "1200", "0.85"},
    {"mnuCS23", "1550", "0.85"},
    {"mnuPLS5", "250", "0.85"},
    {"mnuPLS7", "400", "0.85"},
    {"mnuPLS9", "600", "0.85"},
    {"mnuPLS13", "860", "0.85"},
    {"mnuPLS18", "1200", "0.85"},
    {"mnuPLS20", "1200", "0.85"},
    {"mnuPLS26", "1600", "0.85"},
    {"mnuPLL18", "1250", "0.9"},
    {"mnuPLL24", "1800", "0.9"},
    {"mnuPLL36", "2900", "0.9"},
    {"mnuPLL38", "3150", "0.9"},
    {"mnulfT52FT14w25", "1200", "0.95"},
    {"mnulfT52FT14w35", "1350", "0.95"},
    {"mnulfT52FT24w25", "1750", "0.93"},
    {"mnulfT52FT24w35", "2000", "0.93"},
    {"mnulfT53FT21w25", "1900", "0.95"},
    {"mnulfT53FT21w35", "2100", "0.95"},
    {"mnulfT53FT39w25", "3100", "0.93"},
    {"mnulfT53FT39w35", "3500", "0.93"},
    {"mnulfT54FT28w25", "2600", "0.95"},
    {"mnulfT54FT28w35", "2900", "0.95"},
    {"mnulfT54FT54w25", "4450", "0.93"},
    {"mnulfT54FT54w35", "5000", "0.93"},
    {"mnulfT54FT54wAmal", "4900", "0.95"},
    {"mnulfT55FT35w25", "3300", "0.95"},
    {"mnulfT55FT35w35", "3650", "0.95"},
    {"mnulfT55FT80w25", "6150", "0.93"},
    {"mnulfT55FT80w35", "7000", "0.93"},
    {"mnuf2T817", "1350", "0.94"},
    {"mnuf3T825W", "2150", "0.94"},
    {"mnuf4T825W", "2400", "0.94"},
    {"mnuf4T828W", "2600", "0.94"},
    {"mnuf4T830W", "2750", "0.94"},
    {"mnuf4T832W", "2950", "0.94"},
    {"mnuf8T850W", "5100", "0.94"},
    {"mnuf8T8HO96W", "8000", "0.94"},
    {"mnuHL35", "2200", "0.84"},
    {"mnuHL50", "3500", "0.84"},
    {"mnuHL70", "6000", "0.84"},
    {"mnuHL100", "9000", "0.84"},
    {"mnuHL150", "15500", "0.84"},
    {"mnuHL250", "28500", "0.84"},
    {"mnuHL400", "50000", "0.84"},
    {"mnuHL1000", "140000", "0.84"},
    {"mnuMH70", "5000", "0.75"},
    {"mnuMH100", "8000", "0.75"},
    {"mnuMH175", "14000", "0.8"},
    {"mnuMH250", "20000", "0.8"},
    {"mnuMH400", "36000", "0.8"},
    {"mnuMH1000", "110000", "0.8"},
};

TEST(LampCatalogue, EveryLampFillsItsLumensAndDepreciation) {
  std::vector<LampChoice> lamps = AllLamps();
  ASSERT_EQ(lamps.size(), std::size(kLamps));
  for (std::size_t i = 0; i < lamps.size(); ++i) {
    const LampRow& row = kLamps[i];
    ASSERT_EQ(lamps[i].entry->name, row.name) << "menu order at " << i;
    Harness h;
    h.calc.LampMenuOpened();
    for (const LampFamily* f : lamps[i].families) h.calc.LampFamilyOpened(*f);
    h.calc.LampEntryChosen(*lamps[i].entry);
    EXPECT_EQ(h.Text(Control::LL), row.lumens) << row.name;
    EXPECT_EQ(h.Text(Control::LLD), row.lld) << row.name;
    EXPECT_EQ(h.state().LL, std::stoi(row.lumens)) << row.name;
    EXPECT_TRUE(h.form.Messages().empty()) << row.name;
  }
}

TEST(LampCatalogue, OnlyFiveFamiliesWriteADepreciationWhenOpened) {
  std::vector<std::string> writers;
  std::function<void(const LampFamily&)> walk = [&](const LampFamily& f) {
    Harness h;
    h.form.SetText(Control::LLD, "0.5");
    h.calc.LampFamilyOpened(f);
    if (h.Text(Control::LLD) != "0.5")
      writers.push_back(std::string(f.name) + "=" + h.Text(Control::LLD));
    for (const LampNode& n : f.children) {
      if (const auto* sub = std::get_if<LampFamily>(&n.item)) walk(*sub);
    }
  };
  for (const LampFamily& f : LampCatalogue()) walk(f);
  EXPECT_EQ(writers, (std::vector<std::string>{"mnuSmall=0.8", "mnuMedium=0.88", "mnuTHal=0.96",
                                               "mnuCom=0.85", "mnuHPS=0.84"}));
}

const LampEntry& Lamp(std::string_view name) {
  for (const LampChoice& p : AllLamps()) {
    if (p.entry->name == name) return *p.entry;
  }
  throw std::runtime_error("no such lamp");
}

const LampFamily& Family(std::string_view name) {
  std::function<const LampFamily*(const LampFamily&)> find = [&](const LampFamily& f) {
    if (f.name == name) return &f;
    for (const LampNode& n : f.children) {
      if (const auto* sub = std::get_if<LampFamily>(&n.item)) {
        if (const LampFamily* hit = find(*sub)) return hit;
      }
    }
    return static_cast<const LampFamily*>(nullptr);
  };
  for (const LampFamily& f : LampCatalogue()) {
    if (const LampFamily* hit = find(f)) return *hit;
  }
  throw std::runtime_error("no such family");
}

TEST(LampMenu, SmallTenWattThenTheFocusReturnsSelected) {
  Harness h;
  h.calc.LampMenuOpened();
  h.calc.LampFamilyOpened(Family("mnuInc"));
  h.calc.LampFamilyOpened(Family("mnuSmall"));
  EXPECT_EQ(h.Text(Control::LLD), "0.8");
  EXPECT_EQ(h.Text(Control::LLF), "0.68");
  h.calc.LampEntryChosen(Lamp("mnu10"));
  EXPECT_EQ(h.Text(Control::LL), "75");
  h.Advance(149);
  EXPECT_EQ(h.form.Focused(), Control::RL);
  h.Advance(1);
  EXPECT_EQ(h.form.Focused(), Control::LL);
  EXPECT_EQ(h.form.GetSelection(Control::LL), (Selection{0, 2}));
  EXPECT_FALSE(h.form.IsTimerRunning(Timer::Timer4));
}

TEST(LampMenu, LongPlugInThenScrewInTakesTheFamilyDepreciationAgain) {
  Harness h;
  h.calc.LampMenuOpened();
  h.calc.LampFamilyOpened(Family("mnuCom"));
  h.calc.LampFamilyOpened(Family("mnuPluginl"));
  h.calc.LampEntryChosen(Lamp("mnuPLL36"));
  EXPECT_EQ(h.Text(Control::LLD), "0.9");
  h.calc.LampMenuOpened();
  h.calc.LampFamilyOpened(Family("mnuCom"));
  EXPECT_EQ(h.Text(Control::LLD), "0.85");
  h.calc.LampFamilyOpened(Family("mnuScrw"));
  h.calc.LampEntryChosen(Lamp("mnuCS23"));
  EXPECT_EQ(h.Text(Control::LL), "1550");
  EXPECT_EQ(h.Text(Control::LLD), "0.85");
}

TEST(LampMenu, TheSixtyWattLampChangesNothing) {
  Harness h;
  h.calc.LampFamilyOpened(Family("mnuMedium"));
  h.calc.LampEntryChosen(Lamp("mnu60"));
  EXPECT_EQ(h.Text(Control::LL), "2850");
  EXPECT_EQ(h.Text(Control::LLD), "0.88");
  EXPECT_FALSE(h.form.IsTimerRunning(Timer::Timer4));
}

TEST(LampMenu, TheLargestLampsReachTheCalculationWhole) {
  Harness h;
  h.calc.LampEntryChosen(Lamp("mnuHL1000"));
  h.Enter(Control::NOL, "4");
  h.Advance(50);
  EXPECT_EQ(h.state().LL, 140000);
  EXPECT_EQ(h.Text(Control::NOF), "0.0");  // 100 sq ft at 60 FC with 560000 lm per luminaire
  EXPECT_TRUE(h.form.Messages().empty());
  h.Click(Control::NOF);
  h.SelectAllOf(Control::NOF);
  h.Type("1");
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::LLV), "2341");  // 560000 x 0.55 x 0.76 / 100 sq ft
}

TEST(LampMenu, ReadMeCancelsAPendingFocusReturn) {
  Harness h;
  h.calc.LampMenuOpened();
  h.calc.LampEntryChosen(Lamp("mnuMH400"));
  h.calc.LampReadMeChosen();
  ASSERT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.form.Messages()[0], LampReadMeMessage());
  EXPECT_EQ(h.form.Messages()[0].title, "TavrinGroup");
  EXPECT_EQ(h.form.Messages()[0].icon, MessageIcon::Information);
  h.Advance(500);
  EXPECT_EQ(h.form.Focused(), Control::RL);
  EXPECT_EQ(h.Text(Control::LL), "36000");
}

struct LevelRow {
  const char* name;
  const char* footCandles;
  const char* lux;
  bool advice;
};

const LevelRow kLevels[] = {
    {"mnuRecByt1", "15", "161.4645", false},  {"mnuRecByt2", "30", "322.929", false},
    {"mnuRecByt3", "75", "807.3225", true},   {"mnuRecByt4", "150", "1614.645", true},
    {"mnuRecByt5", "300", "3229.29", true},   {"mnuRecBb1", "5", "53.8215", false},
    {"mnuRecBb21", "30", "322.929", false},   {"mnuRecBb22", "75", "807.3225", false},
    {"mnuRecBb23", "150", "1614.645", false}, {"mnuRecBb31", "30", "322.929", false},
    {"mnuRecBb32", "30", "322.929", false},   {"mnuRecBb33", "30", "322.929", false},
    {"mnuRecBb4", "60", "645.858", false},    {"mnuRecBb5", "15", "161.4645", false},
    {"mnuRecBb6", "15", "161.4645", false},   {"mnuRecBb61", "15", "161.4645", false},
    {"mnuRecBb7", "30", "322.929", false},    {"mnuRecBb8", "5", "53.8215", false},
};

TEST(LevelCatalogue, EveryLevelInBothUnitsWithItsAdvice) {
  auto levels = AllLevels();
  ASSERT_EQ(levels.size(), std::size(kLevels));
  for (std::size_t i = 0; i < levels.size(); ++i) {
    const LevelRow& row = kLevels[i];
    ASSERT_EQ(levels[i]->name, row.name) << "menu order at " << i;
    for (bool lux : {false, true}) {
      Harness h;
      if (lux) h.calc.LevelUnitPressed();
      h.form.ClearMessages();
      h.calc.LevelMenuOpened();
      h.calc.LevelChosen(*levels[i]);
      EXPECT_EQ(h.Text(Control::LLV), lux ? row.lux : row.footCandles) << row.name;
      EXPECT_EQ(h.form.Messages().size(), row.advice ? 1u : 0u) << row.name;
    }
  }
}

TEST(LevelMenu, AdviceComesAfterTheLevelAndBeforeTheFocus) {
  Harness h;
  std::string levelDuringMessage;
  bool focusTimerDuringMessage = true;
  h.form.ScriptAnswer([&](const Message& m) {
    EXPECT_EQ(m, LevelAdviceMessage());
    levelDuringMessage = h.Text(Control::LLV);
    focusTimerDuringMessage = h.form.IsTimerRunning(Timer::Timer4);
    return MessageAnswer::Ok;
  });
  h.calc.LevelMenuOpened();
  h.calc.LevelChosen(*AllLevels()[2]);
  EXPECT_EQ(levelDuringMessage, "75");
  EXPECT_FALSE(focusTimerDuringMessage);
  h.Advance(150);
  EXPECT_EQ(h.form.Focused(), Control::LLV);
  EXPECT_EQ(h.form.GetSelection(Control::LLV), (Selection{0, 2}));
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::NOF), "3.1");  // 75 FC over the start-up room
}

TEST(LevelMenu, OpeningItSwitchesToFindingLuminairesEvenWithoutAChoice) {
  Harness h;
  h.Click(Control::NOF);
  ASSERT_TRUE(h.form.IsTimerRunning(Timer::Timer2));
  h.calc.LevelMenuOpened();
  EXPECT_TRUE(h.form.IsTimerRunning(Timer::Timer1));
  EXPECT_FALSE(h.form.IsTimerRunning(Timer::Timer2));
  EXPECT_EQ(h.state().pendingFocus, PendingFocus::LightingLevel);
}

TEST(LevelMenu, TheLengthUnitPlaysNoPart) {
  Harness h;
  h.calc.UnitOptionSelected(UnitSystem::Metric);
  h.calc.LevelChosen(*AllLevels()[12]);
  EXPECT_EQ(h.Text(Control::LLV), "60");
}

}  // namespace
}  // namespace candelor
