#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "core/texts.h"
#include "report/report.h"
#include "ui/info_texts.h"
#include "ui/qt/info_windows.h"
#include "ui/window_fixture.h"

namespace candelor::qt {
namespace {

using testing::Eventually;
using testing::WindowTest;

QAction* HelpAction(MainWindow& w, const char* name) {
  return w.findChild<QMenu*>(QStringLiteral("mnuHelp"))
      ->findChild<QAction*>(QString::fromLatin1(name));
}

// An information window that is open, whether a window of its own or the main window's.
InfoWindow* Open(const char* name) {
  for (QWidget* w : QApplication::allWidgets()) {
    auto* info = dynamic_cast<InfoWindow*>(w);
    if (info && info->objectName() == QLatin1String(name) && info->isVisible()) return info;
  }
  return nullptr;
}

QString Display(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()))
      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

TEST_F(WindowTest, PasteToClipboardWithOkAndWithCancel) {
  QGuiApplication::clipboard()->setText(QStringLiteral("previous"));
  boxes.fallback = MessageAnswer::Cancel;
  QTest::mouseClick(W(Control::PasteClip), Qt::LeftButton);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], PasteConfirmationMessage());
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "previous");
  EXPECT_EQ(window->focusWidget(), W(Control::Job));  // offscreen, no window is active again
  EXPECT_EQ(Box(Control::Job)->selectedText(), "Job and/or Room Name");

  boxes.fallback = MessageAnswer::Ok;
  QTest::keyClicks(W(Control::Job), QStringLiteral("Office 12"));
  EXPECT_EQ(Text(Control::Stat).toStdString(),
            "   Use this box to set job name and/or Room name/number if needed before pasting to "
            "clipboard");
  W(Control::PasteClip)->setFocus();
  QTest::keyClick(W(Control::PasteClip), Qt::Key_Return);
  const QString report = QGuiApplication::clipboard()->text();
  EXPECT_TRUE(report.startsWith(QStringLiteral("Lighting Calculations - Date: ")));
  EXPECT_TRUE(report.contains(QStringLiteral("\r\nJob Name/Room Name: Office 12\r\n")));
  EXPECT_TRUE(report.endsWith(QStringLiteral("=\r\n\r\n")));
  EXPECT_EQ(report.count(QStringLiteral("\r\n")), 12);
  EXPECT_EQ(Box(Control::Job)->selectedText(), "Office 12");
}

TEST_F(WindowTest, TimestampFollowsThePinnedLocale) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(window->LocaleDate({2023, 6, 26, 15, 45, 12, 1}), "6/26/2023");
  EXPECT_EQ(window->LocaleTime({2023, 6, 26, 15, 45, 12, 1}), "3:45:12 PM");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(window->LocaleDate({2023, 6, 26, 15, 45, 12, 1}), "26.06.2023");
  EXPECT_EQ(window->LocaleTime({2023, 6, 26, 15, 45, 12, 1}), "15:45:12");
  QLocale::setDefault(saved);
}

TEST_F(WindowTest, ExplanationsOpenFromTheGroupsNotFromTheirBoxes) {
  QTest::mouseClick(W(Control::Frame3D7), Qt::LeftButton, {}, QPoint(4, 4));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].title, "Coefficient of Utilization (COU)");
  QTest::mouseClick(W(Control::COU), Qt::LeftButton);
  EXPECT_EQ(Messages().size(), 1u);
  // A press that slides off its term before the release explains nothing, as with any button.
  QTest::mousePress(W(Control::Frame3D7), Qt::LeftButton, {}, QPoint(4, 4));
  QTest::mouseRelease(W(Control::Frame3D7), Qt::LeftButton, {}, QPoint(-20, -20));
  EXPECT_EQ(Messages().size(), 1u);
  QTest::mouseClick(W(Control::FS), Qt::LeftButton);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1].title, "Equal Luminaire Spacing");
  EXPECT_EQ(W(Control::Frame3D7)->cursor().shape(), Qt::WhatsThisCursor);
  EXPECT_EQ(W(Control::Frame3D10)->cursor().shape(), Qt::WhatsThisCursor);
  EXPECT_EQ(W(Control::Frame3D15)->cursor().shape(), Qt::BitmapCursor);
}

TEST_F(WindowTest, MouseOverSetsHintsAndThePanelItsPrompt) {
  QTest::mouseMove(W(Control::Frame3D13), QPoint(5, 5));
  EXPECT_EQ(Text(Control::Stat), " Light Loss Factor = LLD x LDD");
  QTest::mouseMove(W(Control::Stat));
  EXPECT_TRUE(Text(Control::Stat).startsWith(QStringLiteral(" C L I C K")));
  EXPECT_EQ(qobject_cast<QLabel*>(W(Control::Stat))->alignment(), Qt::AlignCenter);
  QTest::mouseMove(W(Control::Background), QPoint(440, 150));
  EXPECT_EQ(Text(Control::Stat), "  ");
}

TEST_F(WindowTest, HowtoIsModelessAndComesToTheFrontWhenChosenAgain) {
  HelpAction(*window, "mnuHou")->trigger();
  auto* howto = Open("Howto");
  ASSERT_NE(howto, nullptr);
  EXPECT_EQ(howto->parentWidget(), nullptr);  // a window of its own, which the main one may cover
  EXPECT_TRUE(howto->isVisible());
  EXPECT_FALSE(howto->isModal());
  EXPECT_EQ(howto->windowTitle(), "How to calculate using Zonal Cavity Method");
  EXPECT_EQ(howto->findChild<QLabel*>(QStringLiteral("Label1"))->text(), Display(kHowtoText));
  EXPECT_EQ(howto->okButton()->text(), " OK");
  EXPECT_EQ(howto->size(), QSize(434, 357));
  EXPECT_FALSE(howto->windowIcon().isNull());
  EXPECT_EQ(howto->windowIcon().cacheKey(), window->windowIcon().cacheKey());
  const QPoint at = howto->pos();
  howto->move(at + QPoint(7, 7));
  HelpAction(*window, "mnuHou")->trigger();
  EXPECT_EQ(Open("Howto"), howto);
  EXPECT_EQ(howto->pos(), at + QPoint(7, 7));  // brought to the front, not placed again
  QTest::mouseClick(howto->okButton(), Qt::LeftButton);
  EXPECT_TRUE(Eventually([&] { return Open("Howto") == nullptr; }));
}

TEST_F(WindowTest, TheCloseBoxEndsTheProgramEvenWithTheHowtoOpen) {
  HelpAction(*window, "mnuHou")->trigger();
  window->close();
  EXPECT_TRUE(Ended());
}

TEST_F(WindowTest, DisclaimerClosesOnItsBackgroundAndNothingIsClipped) {
  HelpAction(*window, "mnureadme1")->trigger();
  HelpAction(*window, "mnuHou")->trigger();
  auto* discl = Open("Discl");
  ASSERT_NE(discl, nullptr);
  EXPECT_FALSE(discl->isModal());  // from the Help menu, beside the calculator
  EXPECT_EQ(discl->windowTitle(),
            " ");  // shown empty: an empty title would show the program's name
  EXPECT_EQ(discl->windowIcon().cacheKey(), window->windowIcon().cacheKey());
  EXPECT_EQ(discl->findChild<QLabel*>(QStringLiteral("Label1"))->text(), "DISCLAIMER");
  EXPECT_EQ(discl->findChild<QLabel*>(QStringLiteral("Label2"))->text(), Display(kDisclaimerText));
  for (InfoWindow* w : {discl, Open("Howto")}) {
    if (!w) continue;
    for (QLabel* label : w->findChildren<QLabel*>()) {
      EXPECT_LE(label->heightForWidth(label->width()), label->height())
          << "clipped: " << label->text().left(30).toStdString();
    }
  }
  QTest::mouseClick(discl, Qt::LeftButton, {}, QPoint(60, 70));  // on its text: stays open
  EXPECT_TRUE(discl->isVisible());
  QTest::mouseClick(discl, Qt::LeftButton, {}, QPoint(5, 200));
  EXPECT_FALSE(discl->isVisible());
}

TEST_F(WindowTest, AboutIsModalShowsTheVersionAndOpensTheDisclaimerOverTheMainWindow) {
  HelpAction(*window, "mnureadme1")->trigger();  // a modeless disclaimer is open already
  QString title, version, program;
  bool aboutModal = false, disclaimerModal = false, disclaimerCentred = false;
  int modelessLeft = 0;
  QTimer::singleShot(0, [&] {
    auto* about = window->findChild<InfoWindow*>(QStringLiteral("About"));
    if (!about) return;
    aboutModal = about->isModal();
    title = about->windowTitle();
    program = about->findChild<QLabel*>(QStringLiteral("Lbl_Program"))->text();
    version = about->findChild<QLabel*>(QStringLiteral("Lbl_Version"))->text();
    QTimer::singleShot(0, [&, about] {
      const auto discls = window->findChildren<InfoWindow*>(QStringLiteral("Discl"));
      for (InfoWindow* d : discls) {
        if (!d->isVisible()) continue;
        disclaimerModal = d->isModal();
        // Outer frames centred on each other.
        const int expectedLeft = window->frameGeometry().left() +
                                 (window->frameGeometry().width() - d->frameGeometry().width()) / 2;
        disclaimerCentred = std::abs(d->x() - expectedLeft) <= 1;
        modelessLeft = d->x();
        d->close();
      }
      QTimer::singleShot(0, [about] { about->okButton()->click(); });
    });
    about->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
  });
  HelpAction(*window, "mnuAbout")->trigger();
  EXPECT_TRUE(aboutModal);
  EXPECT_EQ(title, "About Candelor");
  EXPECT_EQ(program, "Candelor");
  EXPECT_EQ(version, "Version: 1.0.0");
  EXPECT_TRUE(disclaimerModal);
  EXPECT_TRUE(disclaimerCentred) << modelessLeft;
}

}  // namespace
}  // namespace candelor::qt
