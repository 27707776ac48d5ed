#include "core/model.h"

#include <gtest/gtest.h>

#include "core/text.h"

namespace candelor {
namespace {

SolveInputs StartUp(float given) {
  SolveInputs in;
  in.RA = 100.0f;
  in.given = given;
  in.NOL = 2;
  in.LL = 2850;
  in.COU = 0.55f;
  in.LLF = 0.76f;
  return in;
}

TEST(WorkedExample, StartUpValuesGiveTheCalculatorsDigits) {
  SolveResult nof = SolveLuminaires(StartUp(60.0f));
  ASSERT_EQ(nof.outcome, SolveOutcome::Solved);
  EXPECT_FLOAT_EQ(nof.value, 2.518257f);
  EXPECT_EQ(FormatFixed(nof.value, "0.0"), "2.5");

  SpacingResult sp = DeriveSpacing(100.0f, 2.5f, 6.0f);
  ASSERT_EQ(sp.outcome, SpacingOutcome::Derived);
  EXPECT_FLOAT_EQ(sp.FS, 6.324555f);
  EXPECT_FLOAT_EQ(sp.Uniformity, 1.054093f);
  EXPECT_EQ(FormatFixed(sp.FS, "0.0"), "6.3");
  EXPECT_EQ(FormatFixed(sp.Uniformity, "0.00"), "1.05");

  SolveResult llv = SolveLevel(StartUp(2.0f));
  ASSERT_EQ(llv.outcome, SolveOutcome::Solved);
  EXPECT_FLOAT_EQ(llv.value, 47.652f);
  EXPECT_EQ(FormatFixed(llv.value, "0"), "48");

  SolveResult four = SolveLevel(StartUp(4.0f));
  EXPECT_EQ(FormatFixed(four.value, "0"), "95");
  SpacingResult sp4 = DeriveSpacing(100.0f, 4.0f, 6.0f);
  EXPECT_EQ(FormatFixed(sp4.FS, "0.0"), "5.0");
  EXPECT_EQ(FormatFixed(sp4.Uniformity, "0.00"), "0.83");
}

struct RoomCase {
  float RL, RW, RCH;
  RoomOutcome outcome;
  const char* area;
  const char* ratio;
};

TEST(DeriveRoom, AreaAndRatioAsDisplayed) {
  const RoomCase cases[] = {
      {10, 10, 6, RoomOutcome::Derived, "100", "6"},
      {12, 10, 5, RoomOutcome::Derived, "120", "4.58"},
      {1, 10, 6, RoomOutcome::Derived, "10", "33"},
      {2, 2, 5, RoomOutcome::CavityTooHigh, "4", ""},
      {2, 2, 4, RoomOutcome::Derived, "4", "20"},
      {4, 4, 0.25f, RoomOutcome::Derived, "16", "0.62"},  // 62.5 hundredths: ties to even
      {3.05f, 3.05f, 1.83f, RoomOutcome::Derived, "9.3025", "6"},
      // Hundredths beyond a 16-bit integer are still shown truly.
      {9999, 0.1f, 9, RoomOutcome::Derived, "999.9", "450"},
      {1234.5f, 1234.5f, 1, RoomOutcome::Derived, "1523990", "0.01"},
  };
  for (const auto& c : cases) {
    RoomResult r = DeriveRoom(c.RL, c.RW, c.RCH);
    EXPECT_EQ(r.outcome, c.outcome) << c.RL << 'x' << c.RW << 'x' << c.RCH;
    EXPECT_EQ(SingleText(r.RA), c.area);
    if (c.outcome == RoomOutcome::Derived) {
      EXPECT_EQ(SingleText(r.RCR), c.ratio);
    }
  }
}

TEST(DeriveRoom, AZeroAreaHasNoRatioAndNoFault) {
  RoomResult r = DeriveRoom(1e-30f, 1e-30f, 6);
  EXPECT_EQ(r.outcome, RoomOutcome::RatioUndefined);
  EXPECT_EQ(r.RA, 0.0f);
}

TEST(DeriveLightLoss, HundredthsTiesToEvenFromTheSingleProduct) {
  EXPECT_EQ(SingleText(*DeriveLightLoss(0.90f, 0.85f)), "0.77");
  EXPECT_EQ(SingleText(*DeriveLightLoss(0.80f, 0.80f)), "0.64");
  EXPECT_EQ(SingleText(*DeriveLightLoss(0.8f, 0.85f)), "0.68");
  EXPECT_EQ(SingleText(*DeriveLightLoss(1.0f, 1.0f)), "1");
  EXPECT_EQ(SingleText(*DeriveLightLoss(0.25f, 0.5f)), "0.12");  // 12.5 hundredths
}

TEST(LuminaireLumens, FitsEveryCatalogueLampAndRefusesOverflow) {
  EXPECT_EQ(LuminaireLumens(4, 140000), 560000);
  EXPECT_EQ(LuminaireLumens(999, 999999), 998999001);
  EXPECT_FALSE(LuminaireLumens(32767, 999999).has_value());
  EXPECT_EQ(LuminaireLumens(-2, 2850), -5700);
}

TEST(SolveLuminaires, PositivityAndRange) {
  EXPECT_EQ(SolveLuminaires(StartUp(0.0f)).outcome, SolveOutcome::DataError);
  EXPECT_EQ(SolveLuminaires(StartUp(-60.0f)).outcome, SolveOutcome::DataError);
  SolveInputs noArea = StartUp(60.0f);
  noArea.RA = 0.0f;
  EXPECT_EQ(SolveLuminaires(noArea).outcome, SolveOutcome::DataError);
  SolveInputs noLamps = StartUp(60.0f);
  noLamps.NOL = 0;
  EXPECT_EQ(SolveLuminaires(noLamps).outcome, SolveOutcome::DataError);
  SolveInputs overflow = StartUp(60.0f);
  overflow.NOL = 32767;
  overflow.LL = 999999;
  EXPECT_EQ(SolveLuminaires(overflow).outcome, SolveOutcome::DataError);

  SolveResult before = SolveLuminaires(StartUp(9999999.0f));
  EXPECT_EQ(before.outcome, SolveOutcome::OutOfRange);
  EXPECT_FALSE(before.capped);
  SolveInputs bigRoom = StartUp(9999998.0f);
  bigRoom.RA = 1000.0f;
  SolveResult after = SolveLuminaires(bigRoom);
  EXPECT_EQ(after.outcome, SolveOutcome::OutOfRange);
  EXPECT_TRUE(after.capped);
  EXPECT_EQ(after.value, 999999.0f);
  SolveInputs lastInRange = StartUp(9999998.0f);
  lastInRange.LL = 999999;
  lastInRange.NOL = 999;
  EXPECT_EQ(SolveLuminaires(lastInRange).outcome, SolveOutcome::Solved);
}

TEST(SolveLuminaires, LargeLampsDoNotOverflow) {
  SolveInputs in = StartUp(60.0f);
  in.NOL = 4;
  in.LL = 140000;
  SolveResult r = SolveLuminaires(in);
  ASSERT_EQ(r.outcome, SolveOutcome::Solved);
  EXPECT_NEAR(r.value, 100.0 * 60 / (560000 * 0.55 * 0.76), 1e-6);
}

TEST(SolveLevel, ZeroLuminairesGiveZeroAndRangeIsChecked) {
  SolveResult zero = SolveLevel(StartUp(0.0f));
  ASSERT_EQ(zero.outcome, SolveOutcome::Solved);
  EXPECT_EQ(FormatFixed(zero.value, "0"), "0");
  EXPECT_EQ(DeriveSpacing(100, 0, 6).outcome, SpacingOutcome::Undefined);
  EXPECT_EQ(SolveLevel(StartUp(-1.0f)).outcome, SolveOutcome::DataError);
  EXPECT_EQ(SolveLevel(StartUp(999999.0f)).outcome, SolveOutcome::OutOfRange);
  SolveResult capped = SolveLevel(StartUp(999998.0f));
  ASSERT_EQ(capped.outcome, SolveOutcome::OutOfRange);
  EXPECT_TRUE(capped.capped);
  EXPECT_EQ(capped.value, 9999999.0f);
}

TEST(DeriveSpacing, UndefinedAtOneAndAHalfLuminaires) {
  EXPECT_EQ(DeriveSpacing(100, 1.5f, 6).outcome, SpacingOutcome::Undefined);
  SpacingResult r = DeriveSpacing(100, 1.51f, 6);
  ASSERT_EQ(r.outcome, SpacingOutcome::Derived);
  EXPECT_EQ(FormatFixed(r.FS, "0.0"), "8.1");
  EXPECT_EQ(DeriveSpacing(-100, 2, 6).outcome, SpacingOutcome::Fault);
  EXPECT_EQ(DeriveSpacing(100, 2, 0).outcome, SpacingOutcome::Fault);
  // 6.3 / 1e-38 is beyond single precision: a fault, not the largest single.
  EXPECT_EQ(DeriveSpacing(100, 2.5f, 1e-38f).outcome, SpacingOutcome::Fault);
}

SolveInputs With(UnitSystem units, IlluminanceUnit level, float given, float RA = 100.0f) {
  SolveInputs in = StartUp(given);
  in.RA = RA;
  in.units = units;
  in.levelUnit = level;
  return in;
}

TEST(UnitCombinations, AgreeWithEachOther) {
  using U = UnitSystem;
  using L = IlluminanceUnit;
  // The two plain combinations agree for equal numbers.
  EXPECT_EQ(SolveLuminaires(With(U::Imperial, L::FC, 60)).value,
            SolveLuminaires(With(U::Metric, L::Lux, 60)).value);
  EXPECT_EQ(SolveLevel(With(U::Imperial, L::FC, 2)).value,
            SolveLevel(With(U::Metric, L::Lux, 2)).value);
  // Metric room, level in foot-candles: the start-up room in metres gives 2.5217 (2.5183 in feet).
  SolveResult metricFc = SolveLuminaires(With(U::Metric, L::FC, 60, 9.3025f));
  EXPECT_NEAR(metricFc.value, 2.5217, 5e-5);
  EXPECT_EQ(FormatFixed(metricFc.value, "0.0"), "2.5");
  // Imperial room, level in lux: 646 lux over 100 sq ft is about 60 FC.
  SolveResult imperialLux = SolveLuminaires(With(U::Imperial, L::Lux, 646));
  EXPECT_NEAR(imperialLux.value, 2.518257 * 646 / 645.858, 1e-5);
  // The level solved in each combination is the same light expressed in its unit.
  float fcImperial = SolveLevel(With(U::Imperial, L::FC, 2)).value;
  float luxImperial = SolveLevel(With(U::Imperial, L::Lux, 2)).value;
  EXPECT_NEAR(luxImperial / fcImperial, 10.7643, 1e-5);
  float fcMetric = SolveLevel(With(U::Metric, L::FC, 2, 9.290304f)).value;
  EXPECT_NEAR(fcMetric, fcImperial, 0.002);  // 10.7643 is the rounded ft2 per m2
  // Round trip: the level found from a number of luminaires gives back that number.
  for (U u : {U::Imperial, U::Metric}) {
    for (L l : {L::FC, L::Lux}) {
      float level = SolveLevel(With(u, l, 3)).value;
      EXPECT_NEAR(SolveLuminaires(With(u, l, level)).value, 3.0, 1e-5);
    }
  }
}

}  // namespace
}  // namespace candelor
