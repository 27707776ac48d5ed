#include <QAccessible>
#include <QGroupBox>

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
  const Spoken rows[] = {
      {Control::RL, "Room Length", "10"},
      {Control::RW, "Room Width", "10"},
      {Control::RCH, "Room Cavity Height", "6"},
      {Control::NOL, "Number of Lamps", "2"},
      {Control::LL, "Lamp Lumens", "2850"},
      {Control::LLD, "LLD", "0.90"},
      {Control::LDD, "LDD", "0.85"},
      {Control::COU, "Coefficient of Utilization", "0.55"},
      {Control::NOF, "Number of Luminaires", "2"},
      {Control::LLV, "Lighting Level", "60"},
      {Control::Job, "Job and/or room name", "Job and/or Room Name"},
      {Control::RA, "Room Area, 100", nullptr},
      {Control::RCR, "Room Cavity Ratio, 6", nullptr},
      {Control::LLF, "LLF, .76", nullptr},
      {Control::LU, "Lighting Level unit, FC", nullptr},
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

TEST_F(WindowTest, NamesFollowTheValuesAndTheLevelUnit) {
  ASSERT_TRUE(testing::Eventually([&] { return Text(Control::NOF) == QStringLiteral("2.5"); }));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(W(Control::FS))->text(QAccessible::Name),
            "Spacing, 6.3");
  W(Control::LU)->setFocus();
  QTest::keyClick(W(Control::LU), Qt::Key_Return);
  QAccessibleInterface* lu = QAccessible::queryAccessibleInterface(W(Control::LU));
  EXPECT_EQ(lu->text(QAccessible::Name), "Lighting Level unit, Lux");
  EXPECT_EQ(lu->text(QAccessible::Description),
            "Lux. Also called meter-candle. Click to change to FC.");
}

}  // namespace
}  // namespace candelor::qt
