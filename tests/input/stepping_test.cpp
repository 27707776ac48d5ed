#include "input/stepping.h"

#include <gtest/gtest.h>

#include "support/harness.h"

namespace candelor {
namespace {

using testing::Harness;

struct StepCase {
  Control box;
  const char* from;
  const char* down;
  const char* up;
};

TEST(Stepping, GridsBandsFloorsAndCaps) {
  const StepCase cases[] = {
      {Control::RL, "10", "9", "11"},
      {Control::RL, "34.5", "33.5", "35.5"},
      {Control::RL, "35.5", "30", "40"},
      {Control::RL, "1.5", "1", "2.5"},
      {Control::RL, "1", "1", "2"},
      {Control::RL, "90", "80", "100"},
      {Control::RL, "9980", "9970", "9990"},
      {Control::RL, "9990", "9980", "9999"},
      {Control::RL, "9999", "9990", "9999"},
      {Control::RW, "2", "1", "3"},
      {Control::RCH, "6", "5.75", "6.25"},
      {Control::RCH, "10.75", "10.5", "11"},
      {Control::RCH, "11", "10.5", "11.5"},
      {Control::RCH, "3", "2.75", "3.25"},
      {Control::RCH, "2.75", "2.75", "3"},
      {Control::COU, "0.55", "0.54", "0.56"},
      {Control::COU, "1.39", "1.38", "1.4"},
      {Control::COU, "1.4", "1.39", "1.4"},
      {Control::COU, "0.05", "0.04", "0.06"},
      {Control::COU, "0.04", "0.04", "0.05"},
      {Control::COU, ".555", "0.545", "0.565"},
      {Control::LLD, "0.90", "0.89", "0.91"},
      {Control::LLD, "0.99", "0.98", "0.99"},
      {Control::LDD, "0.05", "0.04", "0.06"},
      {Control::LL, "2850", "2500", "3000"},
      {Control::LL, "1100", "1000", "1200"},
      {Control::LL, "120", "75", "125"},
      {Control::LL, "75", "100", "100"},
      {Control::LL, "32500", "32000", "33000"},
      {Control::LL, "999800", "999000", "999999"},
      {Control::LL, "999999", "999000", "999999"},
      {Control::NOL, "2", "1", "3"},
      {Control::NOL, "1", "1", "2"},
      {Control::NOL, "999", "998", "999"},
      {Control::NOF, "2.5", "2", "3"},
      {Control::NOF, "1000", "999", "1001"},
      {Control::NOF, "1005", "995", "1006"},
      {Control::NOF, "1005.5", "995.5", "1006"},
      {Control::NOF, "2", "1", "3"},
      {Control::LLV, "60", "55", "65"},
      {Control::LLV, "1000", "900", "1100"},
      {Control::LLV, "1.5", "0.5", "2.5"},
      {Control::LLV, "0.5", "1", "1.5"},
      {Control::LLV, "34.56", "33.5", "35.6"},
      {Control::LLV, "1000.5", "900.5", "1100.5"},
  };
  for (const auto& c : cases) {
    for (bool up : {false, true}) {
      Harness h;
      h.form.SetText(c.box, c.from);
      h.form.ClearMessages();
      if (up) {
        h.SpinUp(c.box);
      } else {
        h.SpinDown(c.box);
      }
      EXPECT_EQ(h.Text(c.box), up ? c.up : c.down)
          << ControlName(c.box) << ' ' << c.from << (up ? " up" : " down");
      EXPECT_TRUE(h.form.Messages().empty()) << ControlName(c.box) << ' ' << c.from;
    }
  }
}

TEST(Stepping, FocusesTheBoxAndSelectsItsValue) {
  Harness h;
  h.SpinUp(Control::LLD);
  EXPECT_EQ(h.form.Focused(), Control::LLD);
  EXPECT_EQ(h.Text(Control::LLD), "0.91");
  EXPECT_EQ(h.form.GetSelection(Control::LLD), (Selection{2, 2}));
  EXPECT_EQ(h.Text(Control::LLF), "0.77");  // 0.91 x 0.85 = 77.35 hundredths
  h.SpinDown(Control::LL);
  EXPECT_EQ(h.form.Focused(), Control::LL);
  EXPECT_EQ(h.form.GetSelection(Control::LL), (Selection{0, 4}));
}

TEST(Stepping, RoomLengthStepShowsTheKeyboardHint) {
  Harness h;
  h.form.Focus(Control::COU);
  h.SpinUp(Control::RL);
  EXPECT_EQ(h.Text(Control::RA), "110");
  EXPECT_EQ(h.Text(Control::Stat),
            " Use keyboard arrows to scroll the values in active boxes. Use Tab key to switch "
            "between boxes.");
}

TEST(Stepping, ArrowKeysStepTheFocusedBox) {
  Harness h;
  h.SelectAllIn(Control::RW);
  h.Press(Key::Up);
  h.Press(Key::Up);
  EXPECT_EQ(h.Text(Control::RW), "12");
  h.Press(Key::Down);
  EXPECT_EQ(h.Text(Control::RW), "11");
}

TEST(Stepping, KeysAndSpinsInTheSolvedBoxesChooseTheDirection) {
  Harness h;
  h.FocusBox(Control::NOF);
  h.Press(Key::Other);
  EXPECT_TRUE(h.form.IsTimerRunning(Timer::Timer2));
  EXPECT_FALSE(h.form.IsTimerRunning(Timer::Timer1));
  h.SpinUp(Control::LLV);
  EXPECT_TRUE(h.form.IsTimerRunning(Timer::Timer1));
  EXPECT_FALSE(h.form.IsTimerRunning(Timer::Timer2));
  EXPECT_EQ(h.Text(Control::LLV), "65");
  h.SpinDown(Control::NOF);
  EXPECT_TRUE(h.form.IsTimerRunning(Timer::Timer2));
  EXPECT_EQ(h.Text(Control::NOF), "1");
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::LLV), "24");
}

TEST(Stepping, AStepThatMakesTheCavityTooHighIsRepairedByTheCommit) {
  Harness h;
  h.Enter(Control::RL, "2");
  h.Enter(Control::RW, "2");
  EXPECT_EQ(h.Text(Control::RCH), "4");  // already repaired once when the width shrank
  h.form.ClearMessages();
  h.SpinUp(Control::RCH);
  ASSERT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.form.Messages()[0].icon, MessageIcon::Error);
  EXPECT_EQ(h.Text(Control::RCH), "4");
}

TEST(Stepping, AnOffGridUtilizationStepsPastTheLimitAndIsRefused) {
  Harness h;
  h.form.SetText(Control::COU, "1.395");
  h.SpinUp(Control::COU);
  ASSERT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.form.Messages()[0].title, "Please correct input");
  EXPECT_EQ(h.Text(Control::COU), "0.55");
}

TEST(Stepping, CountsBeyondTheirIntegerAreHeldAtItsLimit) {
  Harness h;
  h.form.SetText(Control::NOL, "1e9");
  h.SpinDown(Control::NOL);
  EXPECT_EQ(h.Text(Control::NOL), "32766");
  h.form.SetText(Control::RL, "9999");
  h.form.SetText(Control::RW, "9999");  // a room large enough for such a cavity
  h.form.SetText(Control::RCH, "99999");
  h.SpinUp(Control::RCH);  // far beyond a 16-bit grid position, still on the half-unit grid
  EXPECT_EQ(h.Text(Control::RCH), "99999.5");
  EXPECT_TRUE(h.form.Messages().empty());
}

}  // namespace
}  // namespace candelor
