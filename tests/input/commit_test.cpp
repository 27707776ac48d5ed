#include "input/commit.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/driver.h"
#include "support/harness.h"

namespace candelor {
namespace {

using testing::Harness;

// One row: what the user does to a box and everything visible afterwards.
struct TypingCase {
  const char* name;
  Control box;
  const char* typed;    // typed keystroke by keystroke over the whole selected text
  const char* text;     // the box's text afterwards
  const char* message;  // the message shown, or "" for none
  Selection selection;  // the box's selection afterwards
};

class TypingOverSelection : public ::testing::TestWithParam<TypingCase> {};

TEST_P(TypingOverSelection, LeavesTheBoxAsTheCommitSays) {
  const TypingCase& c = GetParam();
  Harness h;
  h.Enter(c.box, c.typed);
  EXPECT_EQ(h.Text(c.box), c.text);
  if (*c.message) {
    ASSERT_EQ(h.form.Messages().size(), 1u);
    EXPECT_EQ(h.form.Messages()[0].text.substr(0, std::string(c.message).size()), c.message);
  } else {
    EXPECT_TRUE(h.form.Messages().empty()) << h.form.Messages()[0].text;
  }
  EXPECT_EQ(h.form.GetSelection(c.box), c.selection);
}

INSTANTIATE_TEST_SUITE_P(
    Commits, TypingOverSelection,
    ::testing::Values(
        TypingCase{"RoomLengthTwelve", Control::RL, "12", "12", "", {2, 0}},
        TypingCase{"RoomLengthZeroRestoresTen",
                   Control::RL,
                   "0",
                   "10",
                   "This Value must be greater then 0",
                   {0, 2}},
        TypingCase{"RoomLengthMinusIsRepairedSilently", Control::RL, "-", "10", "", {2, 0}},
        TypingCase{"RoomLengthLetters", Control::RL, "a", "10", "", {2, 0}},
        TypingCase{"RoomLengthLimitOfFour", Control::RL, "12345", "1234", "", {4, 0}},
        TypingCase{"RoomLengthDecimal", Control::RL, "9.5", "9.5", "", {3, 0}},
        TypingCase{
            "RoomWidthZero", Control::RW, "0", "10", "This Value must be greater then 0", {0, 2}},
        TypingCase{
            "CavityZero", Control::RCH, "0", "6", "This Value must be greater then 0", {0, 1}},
        TypingCase{"CavityMinus", Control::RCH, "-", "6", "", {1, 0}},
        // A lone "." is no number: the repair "6" comes back and the "5" follows it.
        TypingCase{"CavityPointFive", Control::RCH, ".5", "65", "", {2, 0}},
        TypingCase{"UtilizationZero",
                   Control::COU,
                   "0",
                   "0.55",
                   "This Value must be between 0.01 and 1.4  \r\n",
                   {0, 4}},
        TypingCase{"UtilizationOnePointFour", Control::COU, "1.4", "1.4", "", {3, 0}},
        TypingCase{"UtilizationMinus", Control::COU, "-", "0.55", "", {0, 4}},
        TypingCase{"LampLumensZero",
                   Control::LL,
                   "0",
                   "2850",
                   "This Value must be greater then 0",
                   {0, 4}},
        TypingCase{"LampLumensOnePointFive", Control::LL, "1.5", "1.5", "", {3, 0}},
        TypingCase{"LampLumensMinus", Control::LL, "-", "2850", "", {4, 0}},
        TypingCase{"LampCountDot", Control::NOL, ".", "1", "", {1, 0}},
        TypingCase{"LampCountLetter", Control::NOL, "x", "1", "", {0, 1}},
        TypingCase{"LampCountZeroStays", Control::NOL, "0", "0", "", {1, 0}},
        TypingCase{"LuminairesMinusGivesOne", Control::NOF, "-", "1", "", {0, 1}},
        TypingCase{"LuminairesDotStays", Control::NOF, ".", ".", "", {1, 0}},
        // Typed, the "-" alone is repaired to "1" first; pasted, "-60" stays (see below).
        TypingCase{"LevelMinusSixtyTyped", Control::LLV, "-60", "60", "", {2, 0}},
        TypingCase{"LevelMinusGivesOne", Control::LLV, "-", "1", "", {0, 1}},
        TypingCase{
            "DirtZero", Control::LDD, "0", "0.85", "This Value must be between 0.01 and 1", {2, 2}},
        TypingCase{"LampDepreciationLetters",
                   Control::LLD,
                   "x",
                   "0.9",
                   "This Value must be between 0.01 and 1",
                   {2, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RoomCommit, KeystrokeByKeystrokeDerivesAreaAndRatio) {
  Harness h;
  h.SelectAllIn(Control::RL);
  h.Type("1");
  EXPECT_EQ(h.Text(Control::RA), "10");
  EXPECT_EQ(h.Text(Control::RCR), "33");
  h.Type("2");
  EXPECT_EQ(h.Text(Control::RA), "120");
  EXPECT_EQ(h.Text(Control::RCR), "5.5");
  EXPECT_EQ(h.state().RL, 12.0f);
  h.Enter(Control::RCH, "5");
  EXPECT_EQ(h.Text(Control::RCR), "4.58");
}

TEST(RoomCommit, ZeroShowsTheMessageBeforeTheValueIsPutBack) {
  Harness h;
  std::string textWhileMessageOpen;
  h.form.ScriptAnswer([&](const Message&) {
    textWhileMessageOpen = h.Text(Control::RL);
    return MessageAnswer::Ok;
  });
  h.SelectAllIn(Control::RW);
  h.Enter(Control::RL, "0");
  EXPECT_EQ(textWhileMessageOpen, "0");
  EXPECT_EQ(h.Text(Control::RL), "10");
  EXPECT_EQ(h.Text(Control::Stat), kRoomLengthHint);
}

TEST(RoomCommit, DeleteAllGivesTenWithoutMessage) {
  Harness h;
  h.Enter(Control::RL, "12");
  h.SelectAllOf(Control::RL);
  h.Delete();
  EXPECT_EQ(h.Text(Control::RL), "10");
  EXPECT_TRUE(h.form.Messages().empty());
  EXPECT_EQ(h.Text(Control::RA), "100");
}

TEST(RoomCommit, ProgramWriteAboveTheLimitIsPutBackToTheLimit) {
  Harness h;
  h.form.SetText(Control::RL, "9999");
  EXPECT_EQ(h.Text(Control::RA), "99990");
  h.form.SetText(Control::RL, "10000");
  ASSERT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.form.Messages()[0],
            (Message{"This Value must be less then 10000", "Data Input error. Verify",
                     MessageIcon::Warning, MessageButtons::Ok}));
  EXPECT_EQ(h.Text(Control::RL), "9999");
  EXPECT_EQ(h.form.GetSelection(Control::RL), (Selection{0, 4}));
}

TEST(RoomCommit, CavityHigherThanTheRoomBecomesTheArea) {
  Harness h;
  h.Enter(Control::RL, "2");
  h.Enter(Control::RW, "2");
  h.form.ClearMessages();
  h.Enter(Control::RCH, "5");
  ASSERT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.form.Messages()[0], CavityTooHighMessage());
  EXPECT_EQ(h.form.Messages()[0].icon, MessageIcon::Error);
  EXPECT_EQ(h.Text(Control::RCH), "4");
  EXPECT_EQ(h.Text(Control::RCR), "20");
  EXPECT_EQ(h.form.GetSelection(Control::RCH), (Selection{0, 1}));
}

TEST(RoomCommit, ARatioBeyondSixteenBitsIsShownTruly) {
  Harness h;
  h.form.SetText(Control::RL, "9999");
  h.form.SetText(Control::RCH, "9");
  h.form.SetText(Control::RW, "0.1");
  EXPECT_EQ(h.Text(Control::RCR), "450");
}

TEST(RoomCommit, ThousandsSeparatorsTypedOrPastedGiveOneValueAndADecimalCommaNoneUntyped) {
  Harness h;
  h.SelectAllIn(Control::LLV);
  h.Paste("1,000");
  EXPECT_EQ(h.Text(Control::LLV), "1000");
  EXPECT_EQ(h.state().LLV, 1000.0f);
  h.Enter(Control::LL, "1,000");  // key by key, the same as pasted
  EXPECT_EQ(h.Text(Control::LL), "1000");
  h.Enter(Control::LLV, "12,345.5");
  EXPECT_EQ(h.Text(Control::LLV), "12345.5");
  h.Enter(Control::RL, "1,5");  // a decimal comma: the 1 typed before it, never 15 or 105
  EXPECT_EQ(h.Text(Control::RA), "10");
  EXPECT_EQ(h.Text(Control::Stat),
            " The decimal separator is the point. A comma only groups thousands: 1,000.");
  h.Tab();
  EXPECT_EQ(h.Text(Control::RL), "1");
}

TEST(UtilizationCommit, BoundsAreInclusiveInSinglePrecision) {
  for (const char* ok : {"0.01", "1.4", "1"}) {
    Harness h;
    h.SelectAllIn(Control::COU);
    h.Paste(ok);  // typed, the leading "0" alone would be refused at once
    EXPECT_TRUE(h.form.Messages().empty()) << ok;
    EXPECT_EQ(h.Text(Control::COU), ok);
  }
  Harness h;
  h.Enter(Control::COU, "1.41");
  ASSERT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.form.Messages()[0], UtilizationRangeMessage());
  EXPECT_EQ(h.form.Messages()[0].title, "Please correct input");
  EXPECT_EQ(h.Text(Control::COU), "0.55");
  EXPECT_EQ(h.form.Focused(), Control::COU);
}

TEST(DepreciationCommit, TypingOverTheDecimalsUpdatesTheLightLossFactor) {
  Harness h;
  h.FocusBox(Control::LLD);
  h.form.Select(Control::LLD, 2, 2);
  h.Type("8");
  EXPECT_EQ(h.Text(Control::LLD), "0.8");
  EXPECT_EQ(h.Text(Control::LLF), "0.68");
  EXPECT_TRUE(h.form.Messages().empty());
}

TEST(DepreciationCommit, PastedLettersInDirtRestoreItsValue) {
  Harness h;
  h.SelectAllIn(Control::LDD);
  h.Paste("abc");
  ASSERT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.form.Messages()[0], DepreciationRangeMessage());
  EXPECT_EQ(h.Text(Control::LDD), "0.85");
  EXPECT_EQ(h.form.GetSelection(Control::LDD), (Selection{2, 2}));
  EXPECT_EQ(h.Text(Control::LLF), "0.77");  // the repaired 0.85 derived it again
}

TEST(DepreciationCommit, LampDepreciationRejectedKeepsTheFactorUntilRepaired) {
  Harness h;
  h.form.SetText(Control::LDD, "0.80");
  h.form.SetText(Control::LLD, "0.80");
  EXPECT_EQ(h.Text(Control::LLF), "0.64");
  h.form.SetText(Control::LLD, "1.5");
  EXPECT_EQ(h.Text(Control::LLD), "0.9");
  EXPECT_EQ(h.Text(Control::LLF), "0.72");
}

TEST(LampLumensCommit, HalfALumenRoundsToZeroAndIsRefused) {
  Harness h;
  h.SelectAllIn(Control::LL);
  h.Paste("0.5");
  ASSERT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.form.Messages()[0], GreaterThanZeroMessage());
  EXPECT_EQ(h.Text(Control::LL), "2850");
}

TEST(LampLumensCommit, ANumberBeyondTheIntegerIsRepairedSilently) {
  Harness h;
  h.SelectAllIn(Control::LL);
  h.Paste("9e9999");
  EXPECT_EQ(h.Text(Control::LL), "2850");
  EXPECT_EQ(h.state().LL, 2850);
  EXPECT_TRUE(h.form.Messages().empty());
}

TEST(SolvedBoxes, StoreTheAbsoluteValueAndLeaveTheText) {
  Harness h;
  h.SelectAllIn(Control::NOF);
  h.Paste("-3");
  EXPECT_EQ(h.Text(Control::NOF), "-3");
  EXPECT_EQ(h.state().NOF, 3.0f);
  h.SelectAllIn(Control::LLV);
  h.Paste("-60");
  EXPECT_EQ(h.Text(Control::LLV), "-60");
  EXPECT_EQ(h.state().LLV, 60.0f);
  h.Enter(Control::NOF, ".");
  EXPECT_EQ(h.state().NOF, 0.0f);
  h.Type("5");
  EXPECT_EQ(h.Text(Control::NOF), ".5");
  EXPECT_EQ(h.state().NOF, 0.5f);
  h.Enter(Control::LLV, "75");
  h.Enter(Control::LLV, ".");
  EXPECT_EQ(h.state().LLV, 75.0f);  // a lone point leaves the level as it was
  h.Enter(Control::LLV, "1e39");
  EXPECT_TRUE(std::isfinite(h.state().LLV));
}

TEST(RepairNesting, StaysShallow) {
  Harness h;
  for (Control box : kInputBoxes) h.Enter(box, "x");
  EXPECT_LE(h.calc.DeepestCommitNesting(), 3);
}

}  // namespace
}  // namespace candelor
