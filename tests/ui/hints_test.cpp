#include "ui/hints.h"

#include <gtest/gtest.h>

#include "support/harness.h"

namespace candelor {
namespace {

using testing::Harness;

struct HintRow {
  Control control;
  const char* hint;  // nullptr: the panel keeps what it shows
};

TEST(Hints, MouseOverEveryControl) {
  const HintRow rows[] = {
      {Control::Frame3D3,
       " Room Cavity Height - The distance between bottom of luminaire and top of work plane."},
      {Control::Frame3D4, " Number of lamps in one luminaire."},
      {Control::Frame3D6,
       " Lamp Lumens Depreciation - loss of initial light output due to lamp aging."},
      {Control::Frame3D7,
       " Coefficient of Utilization - look-up this value from luminaire manufacturer data.  "
       "Click for more."},
      {Control::Frame3D10,
       " LDD - Luminaire Dirt Depreciation - usually between 0.6 and 0.9    Click for more."},
      {Control::Frame3D12,
       " Room Cavity Ratio. Use this value to lookup the Coefficient of Utilization from "
       "luminaire spec."},
      {Control::Frame3D13, " Light Loss Factor = LLD x LDD"},
      {Control::Frame3D15,
       " Equal luminaire spacing = square root of luminaire area. Click for more."},
      {Control::Frame3D16,
       " Uniformity = spacing/room cavity height. Look-up value from luminaire spec.- Usually "
       "< 1.5"},
      {Control::COU, "  "},
      {Control::LDD, "  "},
      {Control::LLD, "  "},
      {Control::LLV, "  "},
      {Control::LU, " Foot-candle.  Click to change to Lux."},
      {Control::Job,
       "   Use this box to set job name and/or Room name/number if needed before pasting to "
       "clipboard"},
      {Control::PasteClip, " Click to paste calculation report to Clipboard "},
      {Control::Label2,
       " Use keyboard arrows to scroll the values in active boxes. Use Tab key to switch between "
       "boxes"},
      {Control::SSFrame1, nullptr},
      {Control::Frame3D2, nullptr},
      {Control::Frame3D5, nullptr},
      {Control::Frame3D8, nullptr},
      {Control::Frame3D9, nullptr},
      {Control::Frame3D11, nullptr},
      {Control::Frame3D14, nullptr},
      {Control::RL, nullptr},
      {Control::NOF, nullptr},
      {Control::RA, nullptr},
      {Control::Imperial, nullptr},
  };
  for (const auto& row : rows) {
    Harness h;
    h.form.SetText(Control::Stat, "before");
    h.calc.MouseOver(row.control);
    EXPECT_EQ(h.Text(Control::Stat), row.hint ? row.hint : "before") << ControlName(row.control);
  }
}

TEST(Hints, LevelUnitHintNamesTheOtherUnit) {
  Harness h;
  h.calc.LevelUnitPressed();
  h.calc.MouseOver(Control::LU);
  EXPECT_EQ(h.Text(Control::Stat), " Lux. Also called meter-candle. Click to change to FC.");
}

TEST(Hints, ThePanelCentresOnlyItsClosePrompt) {
  Harness h;
  h.calc.MouseOver(Control::Stat);
  EXPECT_EQ(h.Text(Control::Stat), kClosePrompt);
  EXPECT_EQ(h.form.StatAlignment(), Alignment::CentreMiddle);
  h.Enter(Control::Job, "A");  // a hint with no movement over the background stays centred
  EXPECT_EQ(h.Text(Control::Stat), kJobHint);
  EXPECT_EQ(h.form.StatAlignment(), Alignment::CentreMiddle);
  h.calc.MouseOver(Control::Background);
  EXPECT_EQ(h.Text(Control::Stat), "  ");
  EXPECT_EQ(h.form.StatAlignment(), Alignment::LeftMiddle);
}

TEST(Hints, EveryChangeOfTheJobShowsItsHintAgain) {
  Harness h;
  h.SelectAllIn(Control::Job);
  h.Type("R");
  h.calc.MouseOver(Control::Frame3D13);
  h.Type("1");
  EXPECT_EQ(h.Text(Control::Stat), kJobHint);
  h.calc.MouseOver(Control::Frame3D13);
  h.Press(Key::Up);  // no change of text, no hint
  EXPECT_EQ(h.Text(Control::Stat), " Light Loss Factor = LLD x LDD");
}

TEST(Hints, TabbingFromRoomLengthLeavesTheBlankHint) {
  Harness h;
  EXPECT_EQ(h.Text(Control::Stat),
            " Use keyboard arrows to scroll the values in active boxes. Use Tab key to switch "
            "between boxes.");
  h.Tab();
  EXPECT_EQ(h.form.Focused(), Control::RW);
  EXPECT_EQ(h.Text(Control::Stat), "  ");
}

TEST(Explanations, TitlesIconAndLineFeedJoinedLines) {
  auto cou = TermExplanation(Control::Frame3D7);
  ASSERT_TRUE(cou);
  EXPECT_EQ(cou->title, "Coefficient of Utilization (COU)");
  EXPECT_EQ(cou->icon, MessageIcon::Information);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t p; (p = cou->text.find('\n', start)) != std::string::npos; start = p + 1) {
    lines.push_back(cou->text.substr(start, p - start));
  }
  lines.push_back(cou->text.substr(start));
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[7], "");
  EXPECT_EQ(lines[9], "Typically only LED luminaires can have values exceeding 1.0 ");
  EXPECT_EQ(cou->text.find('\r'), std::string::npos);

  auto ldd = TermExplanation(Control::Frame3D10);
  ASSERT_TRUE(ldd);
  EXPECT_EQ(ldd->title, "LDD - Luminaire Dirt Depreciation");
  EXPECT_EQ(ldd->text.substr(ldd->text.rfind('\n') + 1),
            "LDD value is usually between 0.6 and 0.9");

  for (Control c : {Control::Frame3D15, Control::FS, Control::Unit0, Control::Unit3}) {
    auto spacing = TermExplanation(c);
    ASSERT_TRUE(spacing) << ControlName(c);
    EXPECT_EQ(spacing->title, "Equal Luminaire Spacing");
    EXPECT_EQ(spacing->text,
              "This value is calculated as a square root of Luminaire Area.\nLuminaire Area is the "
              "Room Area divided by the Number of Luminaires.");
  }
  EXPECT_FALSE(TermExplanation(Control::COU));  // inside the group, the box opens nothing
  EXPECT_FALSE(TermExplanation(Control::Frame3D12));
}

TEST(Explanations, AClickShowsItAndChangesNothing) {
  Harness h;
  h.calc.ControlClicked(Control::Frame3D15);
  ASSERT_EQ(h.form.Messages().size(), 1u);
  EXPECT_EQ(h.form.Messages()[0].title, "Equal Luminaire Spacing");
  h.calc.ControlClicked(Control::RA);
  EXPECT_EQ(h.form.Messages().size(), 1u);
  // F1 explains the focused box's own term, and only where it has one.
  for (auto [box, title] : {std::pair{Control::LDD, "LDD - Luminaire Dirt Depreciation"},
                            std::pair{Control::COU, "Coefficient of Utilization (COU)"}}) {
    h.calc.HelpRequested(box);
    EXPECT_EQ(h.form.Messages().back().title, title);
  }
  h.calc.HelpRequested(Control::RL);
  EXPECT_EQ(h.form.Messages().size(), 3u);
}

}  // namespace
}  // namespace candelor
