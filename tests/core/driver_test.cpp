#include "core/driver.h"

#include <gtest/gtest.h>

#include "core/texts.h"
#include "support/harness.h"

namespace candelor {
namespace {

using testing::Harness;

bool Running(const Harness& h, Timer t) {
  return h.form.IsTimerRunning(t);
}

TEST(Ticks, FirstTickShowsTheSolvedStartUpValues) {
  Harness h;
  EXPECT_EQ(h.Text(Control::NOF), "2");
  EXPECT_EQ(h.Text(Control::LLF), ".76");
  h.Advance(49);
  EXPECT_EQ(h.Text(Control::NOF), "2");
  h.Advance(1);
  EXPECT_EQ(h.Text(Control::NOF), "2.5");
  EXPECT_EQ(h.Text(Control::FS), "6.3");
  EXPECT_EQ(h.Text(Control::Uniformity), "1.05");
  EXPECT_EQ(h.Text(Control::LabelTime), " Sunday,  December  06,   9:05");
  EXPECT_EQ(h.state().NOF, 2.5f);
  EXPECT_TRUE(Running(h, Timer::Timer1));
  EXPECT_FALSE(Running(h, Timer::Timer2));
}

TEST(Ticks, AnUntouchedFormSleepsBetweenMinutesAndATypedKeyWakesItAtTheNextStep) {
  Harness h;
  h.Advance(100);
  const int ticks = h.form.SolvingTicks();
  h.Advance(59850);
  EXPECT_EQ(h.form.SolvingTicks(), ticks);
  h.Advance(100);
  EXPECT_EQ(h.Text(Control::LabelTime), " Sunday,  December  06,   9:06");
  EXPECT_EQ(h.form.SolvingTicks(), ticks + 1);
  h.Enter(Control::RL, "12");
  h.Advance(49);
  EXPECT_EQ(h.Text(Control::NOF), "2.5");
  h.Advance(1);
  EXPECT_EQ(h.Text(Control::NOF), "3.0");
}

TEST(Ticks, TypingTwelveIntoRoomLengthSolvesThreeLuminaires) {
  Harness h;
  h.Enter(Control::RL, "12");
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::NOF), "3.0");
  EXPECT_EQ(h.Text(Control::FS), "6.3");
  EXPECT_EQ(h.Text(Control::Uniformity), "1.05");
}

TEST(Ticks, ClickIntoLuminairesSolvesTheLevel) {
  Harness h;
  h.Advance(50);
  h.Click(Control::NOF);
  EXPECT_TRUE(Running(h, Timer::Timer2));
  EXPECT_FALSE(Running(h, Timer::Timer1));
  h.SelectAllOf(Control::NOF);
  h.Type("4");
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::LLV), "95");
  EXPECT_EQ(h.Text(Control::FS), "5.0");
  EXPECT_EQ(h.Text(Control::Uniformity), "0.83");
  EXPECT_EQ(h.Text(Control::LabelTime), " Sunday,  December  06,  9:05");
  h.Enter(Control::NOF, "2");
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::LLV), "48");
  h.Click(Control::LLV);
  EXPECT_TRUE(Running(h, Timer::Timer1));
  EXPECT_FALSE(Running(h, Timer::Timer2));
}

TEST(Ticks, SpacingIsUndefinedAtOneAndAHalfLuminaires) {
  Harness h;
  h.Click(Control::NOF);
  h.SelectAllOf(Control::NOF);
  h.Type("1.5");
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::FS), "--");
  EXPECT_EQ(h.Text(Control::Uniformity), "--");
  h.Type("1");
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::NOF), "1.51");
  EXPECT_EQ(h.Text(Control::FS), "8.1");
  h.Enter(Control::NOF, "0");
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::LLV), "0");
  EXPECT_EQ(h.Text(Control::FS), "--");
}

TEST(DataError, ZeroLevelRepeatsItsMessageEveryFourSecondsUntilCorrected) {
  Harness h;
  h.Advance(50);
  h.Enter(Control::LLV, "0");
  h.Advance(50);
  ASSERT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.form.Messages()[0], IncorrectDataMessage());
  EXPECT_FALSE(Running(h, Timer::Timer1));
  EXPECT_TRUE(Running(h, Timer::Timer3));
  h.Advance(3999);
  EXPECT_EQ(h.form.Messages().size(), 1u);
  h.Advance(1);  // recovery tick: back to finding luminaires
  EXPECT_TRUE(Running(h, Timer::Timer1));
  EXPECT_FALSE(Running(h, Timer::Timer3));
  h.Advance(50);
  EXPECT_EQ(h.form.Messages().size(), 2u);
  // Corrected while recovering: no further message, values solved again.
  h.Enter(Control::LLV, "60");
  h.Advance(4050);
  EXPECT_EQ(h.form.Messages().size(), 2u);
  EXPECT_EQ(h.Text(Control::NOF), "2.5");
}

TEST(DataError, WhileFindingTheLevelRecoversToFindingLuminaires) {
  Harness h;
  h.Click(Control::NOF);
  h.SelectAllOf(Control::NOF);
  h.Paste("-2");
  h.Advance(50);
  ASSERT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.form.Messages()[0], VerifyDataMessage());
  EXPECT_FALSE(Running(h, Timer::Timer2));
  EXPECT_TRUE(Running(h, Timer::Timer3));
  h.Advance(4000);
  EXPECT_TRUE(Running(h, Timer::Timer1));
  EXPECT_FALSE(Running(h, Timer::Timer2));
}

TEST(DataError, ADirectionChosenDuringRecoveryRunsAtOnceAndRecoveryStillEndsIt) {
  Harness h;
  h.Enter(Control::LLV, "0");
  h.Advance(50);
  h.Click(Control::NOF);  // a mode switch by the user during recovery
  EXPECT_TRUE(Running(h, Timer::Timer2));
  EXPECT_TRUE(Running(h, Timer::Timer3));
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::LLV), "48");
  h.Advance(4000);
  EXPECT_TRUE(Running(h, Timer::Timer1));
  EXPECT_FALSE(Running(h, Timer::Timer2));
  EXPECT_FALSE(Running(h, Timer::Timer3));
}

TEST(DataError, LampCountBeyondItsIntegerIsBadData) {
  Harness h;
  h.SelectAllIn(Control::NOL);
  h.Paste("9e9");
  h.Advance(50);
  ASSERT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.form.Messages()[0], IncorrectDataMessage());
}

TEST(OutOfRange, TenMillionLuxResetsAndSolvesTheLevel) {
  Harness h;
  h.Enter(Control::RL, "12");
  h.Enter(Control::LL, "3000");
  h.Enter(Control::LLV, "10000000");
  h.Advance(50);
  ASSERT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.form.Messages()[0], OutOfRangeMessage());
  EXPECT_EQ(h.Text(Control::LL), "2850");
  EXPECT_EQ(h.Text(Control::RL), "10");
  EXPECT_EQ(h.Text(Control::RW), "10");
  EXPECT_EQ(h.Text(Control::NOL), "2");
  EXPECT_EQ(h.Text(Control::NOF), "2");
  EXPECT_EQ(h.Text(Control::RA), "100");
  EXPECT_TRUE(Running(h, Timer::Timer2));
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::LLV), "48");
}

TEST(OutOfRange, MessageComesBeforeTheResets) {
  Harness h;
  std::string levelDuringMessage;
  h.form.ScriptAnswer([&](const Message&) {
    levelDuringMessage = h.Text(Control::LLV);
    return MessageAnswer::Ok;
  });
  h.Enter(Control::LLV, "9999999");
  h.Advance(50);
  EXPECT_EQ(levelDuringMessage, "9999999");
  EXPECT_EQ(h.Text(Control::LLV), "60");
}

TEST(OutOfRange, TooManyLuminairesWritesTheCapFirst) {
  Harness h;
  std::string luminairesDuringMessage;
  h.form.ScriptAnswer([&](const Message&) {
    luminairesDuringMessage = h.Text(Control::NOF);
    return MessageAnswer::Ok;
  });
  h.Enter(Control::LL, "1");
  h.Enter(Control::LLV, "9999998");
  h.Advance(50);
  EXPECT_EQ(luminairesDuringMessage, "999999");
  EXPECT_EQ(h.Text(Control::NOF), "2");
  EXPECT_TRUE(Running(h, Timer::Timer2));
}

TEST(OutOfRange, TooManyGivenLuminairesReturnsToFindingLuminaires) {
  Harness h;
  h.Click(Control::NOF);
  h.SelectAllOf(Control::NOF);
  h.Type("999999");
  h.Advance(50);
  ASSERT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.form.Messages()[0], OutOfRangeMessage());
  EXPECT_TRUE(Running(h, Timer::Timer1));
  EXPECT_FALSE(Running(h, Timer::Timer2));
  h.Advance(50);
  EXPECT_EQ(h.Text(Control::NOF), "2.5");
}

TEST(Messages, NoTickStartsWhileAMessageIsOpen) {
  Harness h;
  int opened = 0;
  // The user leaves the commit's message open for two seconds.
  h.form.ScriptAnswer([&](const Message&) {
    ++opened;
    h.Advance(2000);
    return MessageAnswer::Ok;
  });
  h.Enter(Control::RL, "12");
  h.Enter(Control::LLV, "0");  // a data error is due at the next tick...
  h.Enter(Control::COU, "5");  // ...but the commit's message is open first
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.Text(Control::NOF), "2");  // nothing was solved behind the message
  h.Advance(50);
  EXPECT_EQ(h.form.Messages().size(), 2u);
  EXPECT_EQ(h.form.Messages()[1], IncorrectDataMessage());
}

TEST(Messages, ADataErrorMessageIsShownOnceHoweverLongItStaysOpen) {
  Harness h;
  h.Enter(Control::LLV, "0");
  h.form.ScriptAnswer([&](const Message&) {
    h.Advance(10000);
    return MessageAnswer::Ok;
  });
  h.Advance(50);
  EXPECT_EQ(h.form.Messages().size(), 1u);
  EXPECT_TRUE(Running(h, Timer::Timer3));
  EXPECT_FALSE(Running(h, Timer::Timer1));
}

TEST(DeferredFocus, GoesToThePendingBoxWithItsTextSelected) {
  Harness h;
  h.calc.LampMenuOpened();
  StartDeferredFocus(h.calc.session());
  h.Advance(149);
  EXPECT_EQ(h.form.Focused(), Control::RL);
  h.Advance(1);
  EXPECT_EQ(h.form.Focused(), Control::LL);
  EXPECT_EQ(h.form.GetSelection(Control::LL), (Selection{0, 4}));
  EXPECT_FALSE(Running(h, Timer::Timer4));
}

TEST(ClockLine, Patterns) {
  LocalDateTime t{2024, 2, 29, 23, 7, 0, 4};
  EXPECT_EQ(ClockLine(t, 3), " Thursday,  February  29,   23:07");
  EXPECT_EQ(ClockLine(t, 2), " Thursday,  February  29,  23:07");
  t.minute = 10;
  EXPECT_EQ(ClockLine(t, 2), " Thursday,  February  29,  23:10");
}

}  // namespace
}  // namespace candelor
