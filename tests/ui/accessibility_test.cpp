#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QToolButton>

#include "ui/window_fixture.h"

namespace candelor::qt {
namespace {

using testing::WindowTest;

struct Spoken {
  Control control;
  const char* name;
  const char* value;  // nullptr: not checked
};

TEST_F(WindowTest, EveryControlHasANameAScreenReaderCanSay) {
  // Names settle half a second after the values do.
  ASSERT_TRUE(testing::Eventually([&] {
    return W(Control::NOF)->accessibleName() == QStringLiteral("Number of Luminaires, solved, 2.5");
  })) << W(Control::NOF)->accessibleName().toStdString();
  const Spoken rows[] = {
      {Control::RL, "Room Length, feet", "10"},
      {Control::RW, "Room Width, feet", "10"},
      {Control::RCH, "Room Cavity Height, feet", "6"},
      {Control::NOL, "Number of Lamps", "2"},
      {Control::LL, "Lamp Lumens", "2850"},
      {Control::LLD, "Lamp Lumen Depreciation", "0.90"},
      {Control::LDD, "Luminaire Dirt Depreciation", "0.85"},
      {Control::COU, "Coefficient of Utilization", "0.55"},
      {Control::NOF, "Number of Luminaires, solved, 2.5", "2.5"},
      {Control::LLV, "Lighting Level, foot-candles", "60"},
      {Control::Job, "Job and/or room name", "Job and/or Room Name"},
      {Control::RA, "Room Area, 100", nullptr},
      {Control::Area, "square feet", nullptr},
      {Control::RCR, "Room Cavity Ratio, 6", nullptr},
      {Control::LLF, "Light Loss Factor, .76", nullptr},
      {Control::FS, "Spacing, 6.3", nullptr},
      {Control::Unit3, "feet", nullptr},
      {Control::Uniformity, "Uniformity, 1.05", nullptr},
      {Control::LU, "Lighting Level unit, foot-candles", nullptr},
      {Control::Imperial, "Imperial", nullptr},
      {Control::Metric, "Metric", nullptr},
      {Control::PasteClip, "Paste to Clipboard", nullptr},
  };
  for (const Spoken& row : rows) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(W(row.control));
    ASSERT_NE(iface, nullptr) << ControlName(row.control);
    EXPECT_EQ(iface->text(QAccessible::Name), row.name) << ControlName(row.control);
    if (row.value) {
      EXPECT_EQ(iface->text(QAccessible::Value), row.value) << ControlName(row.control);
      // A box's text is one run of attributes, all of it, whichever character is asked about.
      int start = -1, end = -1;
      iface->textInterface()->attributes(1, &start, &end);
      EXPECT_EQ(end - start, QString::fromUtf8(row.value).size()) << ControlName(row.control);
    }
  }
  // Every control a user can reach or read has a name, and the hinted ones a description.
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    if (c == Control::Background || c == Control::LabelTime || c == Control::Stat ||
        (c >= Control::Label1 && c <= Control::Label3)) {
      continue;
    }
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(W(c));
    ASSERT_NE(iface, nullptr) << ControlName(c);
    EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty()) << ControlName(c);
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(W(Control::COU))
                ->text(QAccessible::Description)
                .toStdString(),
            "Coefficient of Utilization - look-up this value from luminaire manufacturer data.  "
            "Click for more.");
  EXPECT_FALSE(QAccessible::queryAccessibleInterface(W(Control::RL))
                   ->text(QAccessible::Description)
                   .isEmpty());
}

TEST_F(WindowTest, NamesFollowTheValuesAndTheUnits) {
  auto nameOf = [&](Control c) { return W(c)->accessibleName().toStdString(); };
  EXPECT_EQ(window->findChild<SpinArrows*>(QStringLiteral("LLDS"))->upArrow()->accessibleName(),
            "Lamp Lumen Depreciation, step up");
  EXPECT_EQ(window->findChild<SpinArrows*>(QStringLiteral("RLS"))->downArrow()->accessibleName(),
            "Room Length, step down");
  W(Control::LU)->setFocus();
  QTest::keyClick(W(Control::LU), Qt::Key_Return);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(W(Control::LU))->text(QAccessible::Description),
            "Lux. Also called meter-candle. Press Enter to change to FC.");
  qobject_cast<QAbstractButton*>(W(Control::Metric))->click();
  ASSERT_TRUE(
      testing::Eventually([&] { return nameOf(Control::LU) == "Lighting Level unit, lux"; }));
  EXPECT_EQ(nameOf(Control::LLV), "Lighting Level, lux");
  EXPECT_EQ(nameOf(Control::RL), "Room Length, metres");
  EXPECT_EQ(nameOf(Control::RA), "Room Area, 9.3025");
  QTest::mouseClick(W(Control::NOF), Qt::LeftButton);  // the level is solved now
  ASSERT_TRUE(testing::Eventually([&] { return nameOf(Control::NOF) == "Number of Luminaires"; }));
  EXPECT_EQ(nameOf(Control::LLV),
            "Lighting Level, lux, solved, " + Text(Control::LLV).toStdString());
}

}  // namespace
}  // namespace candelor::qt
