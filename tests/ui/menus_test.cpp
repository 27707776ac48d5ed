#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <functional>

#include "catalogue/lamps.h"
#include "catalogue/levels.h"
#include "ui/window_fixture.h"

namespace candelor::qt {
namespace {

using testing::Eventually;
using testing::WindowTest;

TEST_F(WindowTest, TheCatalogueMenusHoldTheCataloguesEntries) {
  QMenu* lamps = window->findChild<QMenu*>(QStringLiteral("mnuLamp"));
  QMenu* levels = window->findChild<QMenu*>(QStringLiteral("mnuRec"));
  emit lamps->aboutToShow();  // the entries are built as a menu first opens
  emit levels->aboutToShow();
  EXPECT_EQ(lamps->title(), "&Approximate Lamp Lumens");
  ASSERT_FALSE(lamps->actions().isEmpty());
  EXPECT_EQ(lamps->actions()[0]->text(), "&Read me first");
  EXPECT_EQ(levels->title(), "&Recommended Ltg Levels");
  // Entries of every family, by name and caption as the catalogue spells them.
  const std::pair<const char*, const char*> entries[] = {
      {"mnu100R40", "&R-40"},         {"mnuTHalPAR500", "&500-watt"},
      {"mnuTHalDbl200", "&200-watt"}, {"mnuCS17", "1&7-watt"},
      {"mnuPLS18", "1&8-watt"},       {"mnulfT52FT14w35", "T5-1&4-watt at 35\u00B0C/95\u00B0F"},
      {"mnuRecBb6", "&Stairways"},
  };
  for (const auto& [name, caption] : entries) {
    auto* entry = window->findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(entry, nullptr) << name;
    EXPECT_EQ(entry->text(), QString::fromUtf8(caption)) << name;
  }

  // Every submenu by name and caption as the catalogue spells them: trailing blanks, inch marks.
  const std::pair<const char*, const char*> submenus[] = {
      {"mnuInc", "&Incandescent"},
      {"mnuSmall", "&Small"},
      {"mnuMedium", "&Medium"},
      {"mnu75", "&75-watt"},
      {"mnu100", "&100-watt"},
      {"mnu150", "1&50-watt"},
      {"mnuTHal", "&Tungsten Halogen"},
      {"mnuTHalPAR", "&PAR 38 - Quartz"},
      {"mnuTHalSngl", "&Single-Ended"},
      {"mnuTHalDbl", "&Double-Ended"},
      {"mnuCom", "&Compact Fluorescent"},
      {"mnuScrw", "&SL - Screw-in with ballast"},
      {"mnuPlugin", "&PL - Plug-in - Short 5\"- 8\""},
      {"mnuPluginl", "P&L - Plug-in - Long 9\"-23\""},
      {"mnulfT5", "T&5 Linear Fluorescent "},
      {"mnulfT52FT", "&2FT"},
      {"mnulfT53FT", "&3FT"},
      {"mnulfT54FT", "&4FT"},
      {"mnulfT55FT", "&5FT"},
      {"mnuFl", "&T8 Linear Fluorescent "},
      {"mnuf2FT", "&2 FT"},
      {"mnuf3FT", "&3 FT"},
      {"mnuf4FT", "&4 FT"},
      {"mnuf8FT", "&8 FT"},
      {"mnuHPS", "&High Pressure Sodium"},
      {"mnuMH", "&Metal Halide"},
      {"mnuRecByt", "By &visual task"},
      {"mnuRecBy", "By &building type and task"},
      {"mnuRecBb2", "&Hospitals"},
      {"mnuRecBb3", "&Offices"},
  };
  for (const auto& [name, caption] : submenus) {
    auto* menu = window->findChild<QMenu*>(QString::fromLatin1(name));
    ASSERT_NE(menu, nullptr) << name;
    EXPECT_EQ(menu->title(), QString::fromLatin1(caption)) << name;
  }
  QStringList bar;
  for (QAction* a : window->menuBar()->actions()) bar << a->text();
  EXPECT_EQ(bar, (QStringList{"&File", "&Approximate Lamp Lumens", "&Recommended Ltg Levels",
                              "&View", "&Help"}));
  auto* t5lamp = window->findChild<QAction*>(QStringLiteral("mnulfT52FT14w25"));
  ASSERT_NE(t5lamp, nullptr);
  EXPECT_EQ(t5lamp->text(), QString::fromUtf8("T5-&14-watt at 25\u00B0C/77\u00B0F"));
}

// The keyboard alone: Alt and the access keys, through the real menus.
TEST_F(WindowTest, AMenuLampByAccessKeysFillsTheLampLumens) {
  QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
  ASSERT_TRUE(Eventually([] { return QApplication::activePopupWidget() != nullptr; }));
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_H);
  ASSERT_TRUE(Eventually([this] { return Text(Control::LLD) == QStringLiteral("0.84"); }));
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_4);
  EXPECT_TRUE(Eventually([this] { return Text(Control::LL) == QStringLiteral("50000"); }));
  EXPECT_TRUE(Eventually([this] { return window->focusWidget() == W(Control::LL); }));
  EXPECT_EQ(Box(Control::LL)->selectedText(), "50000");
}

TEST_F(WindowTest, ALevelByAccessKeysFillsTheLevelAndSolvesLuminaires) {
  QTest::mouseClick(W(Control::NOF), Qt::LeftButton);
  ASSERT_TRUE(window->IsTimerRunning(Timer::Timer2));
  QTest::keyClick(window.get(), Qt::Key_R, Qt::AltModifier);
  ASSERT_TRUE(Eventually([] { return QApplication::activePopupWidget() != nullptr; }));
  EXPECT_TRUE(window->IsTimerRunning(Timer::Timer1));
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_B);
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_K);
  EXPECT_TRUE(Eventually([this] { return Text(Control::LLV) == QStringLiteral("60"); }));
  EXPECT_TRUE(Eventually([this] { return window->focusWidget() == W(Control::LLV); }));
  EXPECT_TRUE(Messages().empty());
}

// The room plan by Alt+V, R: it follows the room, stands aside for a data error, and Escape
// closes it.
TEST_F(WindowTest, TheRoomPlanFollowsTheRoomAndHoldsOverADataError) {
  QTest::keyClick(window.get(), Qt::Key_V, Qt::AltModifier);
  ASSERT_TRUE(Eventually([] { return QApplication::activePopupWidget() != nullptr; }));
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_R);
  QPointer<QWidget> plan;
  ASSERT_TRUE(Eventually([&] { return (plan = QApplication::activeWindow()) != window.get(); }));
  EXPECT_EQ(plan->windowTitle(), "Room Plan");
  auto shows = [&](const char* text) {
    return Eventually([&] {
      for (auto* l : plan->findChildren<QLabel*>())
        if (l->isVisible() && l->text() == QLatin1String(text)) return true;
      return false;
    });
  };
  EXPECT_TRUE(shows("3 luminaires: 1 row of 3"));
  QApplication::setActiveWindow(window.get());
  QTest::keyClick(W(Control::RL), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(W(Control::RL), QStringLiteral("30"));
  EXPECT_TRUE(shows("8 luminaires: 2 rows of 4"));
  bool held = false;
  boxes.whileOpen = [&](QMessageBox*) { held = shows("No layout"); };
  QTest::keyClick(W(Control::LLV), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(W(Control::LLV), QStringLiteral("0"));
  ASSERT_TRUE(Eventually([this] { return !Messages().empty(); }));
  EXPECT_TRUE(held);
  QApplication::setActiveWindow(plan);
  QTest::keyClick(plan, Qt::Key_Escape);
  EXPECT_TRUE(Eventually([&] { return plan.isNull(); }));
}

}  // namespace
}  // namespace candelor::qt
