#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include "core/driver.h"
#include "input/commit.h"
#include "report/report.h"
#include "ui/hints.h"
#include "ui/window_fixture.h"

namespace candelor::qt {
namespace {

using testing::Eventually;
using testing::WindowTest;

TEST_F(WindowTest, OpensWithTheStartUpTextsAndSolvesWithinATick) {
  EXPECT_EQ(window->windowTitle(), "Candelor - Zonal Cavity Method");
  EXPECT_EQ(Text(Control::RA), "100");
  EXPECT_EQ(Text(Control::RCR), "6");
  EXPECT_EQ(Text(Control::LLF), ".76");
  EXPECT_EQ(QApplication::focusWidget(), W(Control::RL));
  EXPECT_TRUE(Eventually([&] { return Text(Control::NOF) == QStringLiteral("2.5"); }))
      << Text(Control::NOF).toStdString();
  EXPECT_EQ(Text(Control::FS), "6.3");
  EXPECT_EQ(Text(Control::Uniformity), "1.05");
  EXPECT_TRUE(Text(Control::LabelTime).startsWith(QLatin1Char(' ')));
  EXPECT_EQ(window->Version, "Version: 1.0.0");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(WindowTest, TabVisitsTheControlsInOrder) {
  const Control order[] = {Control::RW,       Control::RCH, Control::NOL,      Control::LL,
                           Control::LLD,      Control::LDD, Control::COU,      Control::NOF,
                           Control::LLV,      Control::LU,  Control::Imperial, Control::Job,
                           Control::PasteClip};
  for (Control c : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), W(c)) << ControlName(c);
  }
  EXPECT_TRUE(window->IsTimerRunning(Timer::Timer1));  // the Tab key chose no direction
}

TEST_F(WindowTest, TabbingIntoABoxSelectsAsItsFocusBehaviourSays) {
  QTest::keyClick(W(Control::RL), Qt::Key_Tab);
  EXPECT_EQ(Text(Control::Stat), "  ");  // room length lost the focus
  EXPECT_EQ(Box(Control::RW)->selectedText(), "10");
  for (int i = 0; i < 4; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), W(Control::LLD));
  EXPECT_EQ(Box(Control::LLD)->selectedText(), "90");
}

TEST_F(WindowTest, TypingCommitsKeystrokeByKeystroke) {
  QTest::keyClicks(W(Control::RL), QStringLiteral("1"));
  EXPECT_EQ(Text(Control::RA), "10");
  EXPECT_EQ(Text(Control::RCR), "33");
  QTest::keyClicks(W(Control::RL), QStringLiteral("2"));
  EXPECT_EQ(Text(Control::RA), "120");
  EXPECT_EQ(Text(Control::RCR), "5.5");
  EXPECT_TRUE(Eventually([&] { return Text(Control::NOF) == QStringLiteral("3.0"); }))
      << Text(Control::NOF).toStdString();
}

TEST_F(WindowTest, ARefusedValueShowsItsMessageThenIsPutBackSelected) {
  QTest::keyClicks(W(Control::RL), QStringLiteral("0"));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], GreaterThanZeroMessage());
  EXPECT_EQ(Text(Control::RL), "10");
  EXPECT_EQ(Box(Control::RL)->selectedText(), "10");
  EXPECT_EQ(Text(Control::Stat), QString::fromUtf8(kRoomLengthHint.data()));
}

TEST_F(WindowTest, TypingLimitHoldsForTheUserButNotForTheProgram) {
  QTest::keyClicks(W(Control::RL), QStringLiteral("12345"));
  EXPECT_EQ(Text(Control::RL), "1234");
  window->SetText(Control::LLD, "0.875");
  EXPECT_EQ(Text(Control::LLD), "0.875");
  Box(Control::LLD)->setFocus();
  Box(Control::LLD)->end(false);
  QTest::keyClick(W(Control::LLD), Qt::Key_5);
  EXPECT_EQ(Text(Control::LLD), "0.875");
  QTest::keyClick(W(Control::LLD), Qt::Key_Backspace);
  EXPECT_EQ(Text(Control::LLD), "0.87");
}

TEST_F(WindowTest, APasteIsCutAtTheTypingLimit) {
  QGuiApplication::clipboard()->setText(QStringLiteral("123456"));
  Box(Control::RL)->selectAll();
  Box(Control::RL)->paste();
  EXPECT_EQ(Text(Control::RL), "1234");
  EXPECT_EQ(Text(Control::RA), "12340");
}

TEST_F(WindowTest, ArrowKeysAndSpinArrowsStep) {
  QTest::keyClick(W(Control::RL), Qt::Key_Up);
  EXPECT_EQ(Text(Control::RL), "11");
  EXPECT_EQ(Box(Control::RL)->selectedText(), "11");
  QTest::keyClick(W(Control::RL), Qt::Key_Down);
  QTest::keyClick(W(Control::RL), Qt::Key_Down);
  EXPECT_EQ(Text(Control::RL), "9");
  auto* spin = window->findChild<QWidget*>(QStringLiteral("LLDS"));
  ASSERT_NE(spin, nullptr);
  auto arrows = spin->findChildren<QToolButton*>();
  ASSERT_EQ(arrows.size(), 2);
  EXPECT_EQ(arrows[0]->focusPolicy(), Qt::NoFocus);
  QTest::mouseClick(arrows[0], Qt::LeftButton);  // up
  EXPECT_EQ(Text(Control::LLD), "0.91");
  EXPECT_EQ(QApplication::focusWidget(), W(Control::LLD));
  EXPECT_EQ(Box(Control::LLD)->selectedText(), "91");
  QTest::mouseClick(arrows[1], Qt::LeftButton);  // down
  QTest::mouseClick(arrows[1], Qt::LeftButton);
  EXPECT_EQ(Text(Control::LLD), "0.89");
}

TEST_F(WindowTest, ClicksAndKeysInTheSolvedBoxesChooseTheDirection) {
  QTest::mouseClick(W(Control::NOF), Qt::LeftButton);
  EXPECT_TRUE(window->IsTimerRunning(Timer::Timer2));
  EXPECT_FALSE(window->IsTimerRunning(Timer::Timer1));
  EXPECT_TRUE(Eventually([&] { return Text(Control::LLV) == QStringLiteral("60"); }))
      << Text(Control::LLV).toStdString();  // 2.5 luminaires give 59.6
  QTest::keyClick(W(Control::LLV), Qt::Key_Shift);
  EXPECT_TRUE(window->IsTimerRunning(Timer::Timer1));
  EXPECT_FALSE(window->IsTimerRunning(Timer::Timer2));
  Box(Control::NOF)->setFocus();
  QTest::keyClick(W(Control::NOF), Qt::Key_Up);
  EXPECT_TRUE(window->IsTimerRunning(Timer::Timer2));
  EXPECT_EQ(Text(Control::NOF), "3");
  EXPECT_TRUE(Eventually([&] { return Text(Control::LLV) == QStringLiteral("71"); }))
      << Text(Control::LLV).toStdString();
  EXPECT_EQ(Text(Control::FS), "5.8");
}

TEST_F(WindowTest, ArrowKeysMoveBetweenTheUnitOptions) {
  auto* imperial = qobject_cast<QRadioButton*>(W(Control::Imperial));
  auto* metric = qobject_cast<QRadioButton*>(W(Control::Metric));
  imperial->setFocus();
  EXPECT_EQ(Text(Control::Stat), " Imperial system - Press Arrow to change.");
  QTest::keyClick(imperial, Qt::Key_Down);
  EXPECT_TRUE(metric->isChecked());
  EXPECT_EQ(Text(Control::RL), "3.05");
  EXPECT_EQ(Text(Control::RCH), "1.83");
  EXPECT_EQ(Text(Control::RA), "9.3025");
  EXPECT_EQ(Text(Control::Area), "Sqm");
  EXPECT_EQ(Text(Control::Stat), " Metric system. Press Arrow to change.");
  QTest::keyClick(metric, Qt::Key_Up);
  EXPECT_TRUE(imperial->isChecked());
  EXPECT_EQ(Text(Control::RL), "10.0");
  EXPECT_EQ(Text(Control::Unit3), "Ft");
}

TEST_F(WindowTest, EnterAndSpacePressTheLevelUnitButton) {
  W(Control::LU)->setFocus();
  EXPECT_EQ(Text(Control::Stat), " Foot-candle.  Press Enter to change to Lux.");
  QTest::keyClick(W(Control::LU), Qt::Key_Return);
  EXPECT_EQ(Text(Control::LU), "Lux");
  EXPECT_EQ(Text(Control::LLV), "646");
  EXPECT_EQ(QApplication::focusWidget(), W(Control::LLV));
  W(Control::LU)->setFocus();
  EXPECT_EQ(Text(Control::Stat), " Lux. Also called meter-candle. Press Enter to change to FC.");
  QTest::keyClick(W(Control::LU), Qt::Key_Space);
  EXPECT_EQ(Text(Control::LU), "FC");
  EXPECT_EQ(Text(Control::LLV), "60");
}

TEST_F(WindowTest, AClickOnTheHintPanelEndsTheProgram) {
  QTest::mouseClick(W(Control::Stat), Qt::LeftButton);
  EXPECT_TRUE(Ended());
  EXPECT_FALSE(window->IsTimerRunning(Timer::Timer1));
}

TEST_F(WindowTest, ADataErrorGoesThroughOneMessageAndRecovers) {
  Box(Control::LLV)->setFocus();
  Box(Control::LLV)->selectAll();
  QTest::keyClicks(W(Control::LLV), QStringLiteral("0"));
  EXPECT_TRUE(Eventually([&] { return Messages().size() == std::size_t{1}; }));
  EXPECT_EQ(Messages()[0], IncorrectDataMessage());
  EXPECT_TRUE(window->IsTimerRunning(Timer::Timer3));
  EXPECT_FALSE(window->IsTimerRunning(Timer::Timer1));
}

TEST_F(WindowTest, TheCommitRunsOnlyWhenATextReallyChanges) {
  int commits = 0;
  QObject::connect(Box(Control::RL), &QLineEdit::textChanged, [&] { ++commits; });
  window->SetText(Control::RL, "10");
  EXPECT_EQ(commits, 0);
  window->SetText(Control::RL, "11");
  EXPECT_EQ(commits, 1);
  EXPECT_EQ(Text(Control::RA), "110");
}

TEST_F(WindowTest, NothingIsClippedAtTheDesignedSize) {
  // Every caption fits its control...
  for (QWidget* w : window->findChildren<QWidget*>()) {
    QString text;
    int room = 0;
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
      text = g->title();
      room = g->width() - 8;
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      text = b->text();
      room = b->width() - (qobject_cast<QRadioButton*>(w) ? 20 : 6);
    } else if (auto* l = qobject_cast<QLabel*>(w); l && w != W(Control::Stat)) {
      text = l->text();
      room = l->contentsRect().width();
    } else if (auto* e = qobject_cast<QLineEdit*>(w); e && w != W(Control::Job)) {
      text = QStringLiteral("0.555");  // the widest value a box of this size usually holds
      room = e->width() - 6;
      if (e->width() < 40) text = QStringLiteral("0.55");
    }
    if (text.isEmpty() || w == W(Control::LabelTime)) continue;
    EXPECT_LE(w->fontMetrics().horizontalAdvance(text), room)
        << w->objectName().toStdString() << ": " << text.toStdString();
  }
  // ...and so does every hint the panel shows.
  auto* stat = qobject_cast<QLabel*>(W(Control::Stat));
  for (int i = 0; i < kControlCount; ++i) {
    for (const char* caption : {"FC", "Lux"}) {
      if (auto hint = MouseOverHint(static_cast<Control>(i), caption)) {
        EXPECT_LE(
            stat->fontMetrics().horizontalAdvance(QString::fromUtf8(hint->data(), hint->size())),
            stat->contentsRect().width())
            << *hint;
      }
    }
  }
  EXPECT_LE(stat->fontMetrics().horizontalAdvance(QString::fromUtf8(kRoomLengthHint.data())),
            stat->contentsRect().width());
  EXPECT_LE(stat->fontMetrics().horizontalAdvance(QString::fromUtf8(kClosePrompt.data())),
            stat->contentsRect().width());
}

}  // namespace
}  // namespace candelor::qt

namespace candelor::qt {
namespace {

// Counts paint events of the watched widgets.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST_F(WindowTest, ATickWhoseResultsDidNotChangeRepaintsNothing) {
  ASSERT_TRUE(testing::Eventually([&] { return Text(Control::NOF) == QStringLiteral("2.5"); }));
  QTest::qWait(120);
  PaintCounter counter;
  for (Control c : {Control::NOF, Control::FS, Control::Uniformity, Control::RA, Control::LLF}) {
    W(c)->installEventFilter(&counter);
  }
  QTest::qWait(300);  // six ticks with nothing changed
  EXPECT_EQ(counter.paints, 0);
  window->SetText(Control::LLV, "75");
  QTest::qWait(120);
  EXPECT_GT(counter.paints, 0);  // the changed results do repaint
}

// The calculator's messages in a real modal box: kind of icon, texts, buttons, the answer (OK by
// the Return key, Cancel by Escape), and the application's icon on the box.
TEST_F(WindowTest, MessagesShowInARealModalBox) {
  struct Case {
    Message message;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    MessageAnswer answer;
  };
  const Case cases[] = {
      {GreaterThanZeroMessage(), QMessageBox::Warning, QMessageBox::Ok, MessageAnswer::Ok},
      {CavityTooHighMessage(), QMessageBox::Critical, QMessageBox::Ok, MessageAnswer::Ok},
      {PasteConfirmationMessage(), QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel,
       MessageAnswer::Cancel},
      {PasteConfirmationMessage(), QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel,
       MessageAnswer::Ok},
      {{"Information", "TavrinGroup", MessageIcon::Information, MessageButtons::Ok},
       QMessageBox::Information,
       QMessageBox::Ok,
       MessageAnswer::Ok},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message.text);
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool hasAppIcon = false;
    QFont font;
    boxes.whileOpen = [&](QMessageBox* seen) {
      font = seen->font();
      icon = seen->icon();
      buttons = seen->standardButtons();
      hasAppIcon = seen->windowIcon().cacheKey() == window->windowIcon().cacheKey() &&
                   !seen->windowIcon().isNull();
    };
    boxes.answers = {c.answer};
    const std::size_t before = boxes.shown.size();
    const MessageAnswer answer = window->ShowMessage(c.message);
    ASSERT_EQ(boxes.shown.size(), before + 1);
    EXPECT_EQ(boxes.shown.back().message, c.message);
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(buttons, c.buttons);
    EXPECT_TRUE(hasAppIcon);
    EXPECT_NE(font, window->font());  // the desktop's, not the window's
    EXPECT_EQ(answer, c.answer);
  }
}

}  // namespace
}  // namespace candelor::qt
