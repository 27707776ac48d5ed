#include <QLocale>
#include <QMessageBox>
#include <QRadioButton>
#include <clocale>

#include "core/driver.h"
#include "input/commit.h"
#include "ui/window_fixture.h"

namespace candelor::qt {
namespace {

using testing::Eventually;
using testing::WindowTest;

// A real modal box runs the event loop (and so the tickers) while it is open.
TEST_F(WindowTest, AnOpenMessageNeverStacksASecondMessageOrTick) {
  int open = 0;
  QString luminairesWhileOpen;
  boxes.whileOpen = [&](QMessageBox*) {
    ++open;
    QTest::qWait(400);  // eight ticks' worth of time with the message open
    luminairesWhileOpen = Text(Control::NOF);
    --open;
  };
  ASSERT_TRUE(Eventually([&] { return Text(Control::NOF) == QStringLiteral("2.5"); }));
  Box(Control::LLV)->setFocus();
  Box(Control::LLV)->selectAll();
  QTest::keyClicks(W(Control::LLV), QStringLiteral("0"));  // a data error at the next tick
  ASSERT_TRUE(Eventually([&] { return !Messages().empty(); }));
  QTest::qWait(200);
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], IncorrectDataMessage());
  EXPECT_EQ(open, 0);
  EXPECT_TRUE(window->IsTimerRunning(Timer::Timer3));
  EXPECT_FALSE(window->IsTimerRunning(Timer::Timer1));

  // A commit's message open while the level is solvable again: nothing is solved behind it.
  boxes.shown.clear();
  Box(Control::LLV)->selectAll();
  QTest::keyClicks(W(Control::LLV), QStringLiteral("75"));
  QTest::mouseClick(W(Control::LLV), Qt::LeftButton);  // back to finding luminaires at once
  Box(Control::COU)->setFocus();
  Box(Control::COU)->selectAll();
  QTest::keyClicks(W(Control::COU), QStringLiteral("9"));
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], UtilizationRangeMessage());
  EXPECT_EQ(luminairesWhileOpen, "2.5");
  EXPECT_TRUE(Eventually([&] { return Text(Control::NOF) == QStringLiteral("3.1"); }))
      << Text(Control::NOF).toStdString() << " level " << Text(Control::LLV).toStdString()
      << " cou " << Text(Control::COU).toStdString() << " t1 "
      << window->IsTimerRunning(Timer::Timer1) << " t3 " << window->IsTimerRunning(Timer::Timer3);
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(WindowTest, ACommaDecimalLocaleChangesNothingTheCalculatorReadsOrWrites) {
  const QLocale saved;
  const std::string savedC = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not generated";
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QTest::keyClicks(W(Control::RL), QStringLiteral("12.5"));
  EXPECT_EQ(Text(Control::RA), "125");
  EXPECT_EQ(Text(Control::RCR), "5.4");
  QTest::keyClick(W(Control::RL), Qt::Key_Up);
  EXPECT_EQ(Text(Control::RL), "13.5");
  EXPECT_TRUE(Eventually([&] { return Text(Control::NOF) == QStringLiteral("3.4"); }))
      << Text(Control::NOF).toStdString();
  EXPECT_EQ(Text(Control::FS), "6.3");
  EXPECT_EQ(Text(Control::Uniformity), "1.05");
  qobject_cast<QRadioButton*>(W(Control::Metric))->click();
  EXPECT_EQ(Text(Control::RL), "4.11");
  EXPECT_EQ(Text(Control::RCH), "1.83");
  W(Control::LU)->setFocus();
  QTest::keyClick(W(Control::LU), Qt::Key_Space);
  EXPECT_EQ(Text(Control::LLV), "646");
  QTest::keyClick(W(Control::LLV), Qt::Key_End);
  QTest::keyClicks(W(Control::LLV), QStringLiteral(".5"));
  EXPECT_EQ(window->calculator().state().LLV, 646.5f);
  EXPECT_TRUE(Messages().empty());
  QLocale::setDefault(saved);
  std::setlocale(LC_ALL, savedC.c_str());
}

}  // namespace
}  // namespace candelor::qt
