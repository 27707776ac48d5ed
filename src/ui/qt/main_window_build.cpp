#include "ui/qt/main_window.h"

#include <QCursor>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <variant>

#include "catalogue/lamps.h"
#include "catalogue/levels.h"
#include "ui/hints.h"
#include "ui/qt/info_windows.h"
#include "ui/qt/plan_window.h"
#include "ui/qt/twips.h"
#include "ui/qt/voice.h"

// Building the window: its controls laid out from the design's twips and the menus (the catalogue
// menus from their tables, the Help menu's windows).

namespace candelor::qt {
namespace {

// A small drawn "icon" pointer: a framed square, as the classic icon cursor.
QCursor IconCursor() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  p.drawRect(2, 2, 11, 11);
  p.drawRect(5, 5, 5, 5);
  return QCursor(pixmap, 7, 7);
}

}  // namespace
void MainWindow::BuildControls() {
  auto* central = new QWidget(this);
  central->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(central);
  Register(Control::Background, central);

  auto group = [&](Control c, QRect r) {
    auto* g = new QGroupBox(FromUtf8(StartUpText(c)), central);
    g->setGeometry(r);
    g->setFocusPolicy(Qt::NoFocus);
    switch (GroupPointer(c)) {
      case Pointer::ArrowQuestion:
        g->setCursor(Qt::WhatsThisCursor);
        break;
      case Pointer::Icon:
        g->setCursor(IconCursor());
        break;
      case Pointer::Arrow:
        g->setCursor(Qt::ArrowCursor);
        break;
      case Pointer::Default:
        break;
    }
    Register(c, g);
    return g;
  };
  auto label = [&](Control c, QWidget* parent, QRect r, Qt::Alignment align = Qt::AlignLeft) {
    auto* l = new QLabel(FromUtf8(StartUpText(c)), parent);
    l->setGeometry(r);
    l->setAlignment(align | Qt::AlignVCenter);
    Register(c, l);
    return l;
  };
  auto box = [&](Control c, QWidget* parent, QRect r) {
    auto* b = new BoxEdit(c, parent);
    b->WriteText(FromUtf8(StartUpText(c)));
    // Only now that the box shows its start-up text do its events reach the logic: no commit
    // runs until a text changes.
    connect(b, &BoxEdit::keyPressed, &alive_, [this, c](Key k) { calc_.KeyDown(c, k); });
    connect(b, &BoxEdit::clicked, &alive_, [this, c] { calc_.BoxClicked(c); });
    connect(b, &BoxEdit::focusGained, &alive_, [this, c] { FocusArrived(c); });
    connect(b, &BoxEdit::edited, &alive_, [this, c] {
      NoteChange(c);
      calc_.TextChanged(c);
    });
    b->setGeometry(r);
    Register(c, b);
    return b;
  };
  auto spin = [&](Control c, QWidget* parent, QRect r) {
    auto* s = new SpinArrows(parent);
    connect(s, &SpinArrows::steppedDown, &alive_, [this, c] { calc_.SpinDown(c); });
    connect(s, &SpinArrows::steppedUp, &alive_, [this, c] { calc_.SpinUp(c); });
    s->setGeometry(r);
    s->setObjectName(FromUtf8(ControlName(c)) + QStringLiteral("S"));
    spins_[static_cast<std::size_t>(c)] = s;
    const QString prefix = AccessiblePrefix(*this, c);
    s->setAccessibleName(prefix + QStringLiteral(", steps"));
    s->upArrow()->setAccessibleName(prefix + QStringLiteral(", step up"));
    s->downArrow()->setAccessibleName(prefix + QStringLiteral(", step down"));
  };

  // An input group: box at the left, the unit caption (if any) next, spin arrows at the right.
  constexpr int kBoxTop = 17, kBoxHeight = 20, kSpinWidth = 16, kUnitWidth = 24;
  auto inputGroup = [&](Control frame, QRect r, Control c, Control unit, int boxLeft = 8) {
    QGroupBox* g = group(frame, r);
    const int spinLeft = r.width() - 6 - kSpinWidth;
    int boxRight = spinLeft - 2;
    if (unit != Control::Background) {
      boxRight -= kUnitWidth;
      label(unit, g, QRect(boxRight + 4, kBoxTop, kUnitWidth - 4, kBoxHeight));
    }
    box(c, g, QRect(boxLeft, kBoxTop, boxRight - boxLeft, kBoxHeight));
    spin(c, g, QRect(spinLeft, kBoxTop, kSpinWidth, kBoxHeight));
    return g;
  };
  constexpr auto kNone = Control::Background;
  inputGroup(Control::SSFrame1, Twips(96, 96, 1944, 648), Control::RL, Control::Unit0);
  inputGroup(Control::Frame3D2, Twips(96, 756, 1944, 648), Control::RW, Control::Unit1);
  inputGroup(Control::Frame3D3, Twips(96, 1452, 1944, 648), Control::RCH, Control::Unit2);
  inputGroup(Control::Frame3D4, Twips(2140, 96, 2100, 648), Control::NOL, kNone);
  inputGroup(Control::Frame3D5, Twips(2140, 756, 2100, 648), Control::LL, kNone);
  inputGroup(Control::Frame3D6, Twips(2140, 1452, 996, 648), Control::LLD, kNone);
  inputGroup(Control::Frame3D10, Twips(3232, 1452, 1018, 648), Control::LDD, kNone);
  inputGroup(Control::Frame3D7, Twips(4368, 96, 2196, 648), Control::COU, kNone);
  inputGroup(Control::Frame3D8, Twips(4368, 756, 2196, 648), Control::NOF, kNone);
  QGroupBox* level =
      inputGroup(Control::Frame3D9, Twips(4368, 1452, 2196, 648), Control::LLV, kNone, 44);
  auto* lu = new QPushButton(FromUtf8(StartUpText(Control::LU)), level);
  lu->setGeometry(6, kBoxTop - 1, 36, kBoxHeight + 2);
  lu->setAutoDefault(true);  // Enter presses it, like Space
  connect(lu, &QPushButton::clicked, &alive_, [this] { calc_.LevelUnitPressed(); });
  Register(Control::LU, lu);

  auto* rule = new QFrame(central);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  rule->setGeometry(0, Px(2168) - 1, kClientWidth, 3);
  rule->setAttribute(Qt::WA_TransparentForMouseEvents);  // the rule is background

  // Derived values.
  QGroupBox* area = group(Control::Frame3D11, Twips(96, 2200, 1944, 780));
  label(Control::RA, area, QRect(10, 20, 80, 22));
  label(Control::Area, area, QRect(92, 20, 34, 22));
  label(Control::RCR, group(Control::Frame3D12, Twips(96, 3000, 1944, 740)),
        QRect(10, 18, 110, 22));
  label(Control::LLF, group(Control::Frame3D13, Twips(2140, 2200, 996, 780)),
        QRect(10, 20, 50, 22));
  QGroupBox* spacing = group(Control::Frame3D15, Twips(2140, 3000, 996, 740));
  label(Control::FS, spacing, QRect(8, 18, 32, 22));
  label(Control::Unit3, spacing, QRect(42, 18, 20, 22));
  label(Control::Uniformity, group(Control::Frame3D16, Twips(3232, 3000, 1020, 740)),
        QRect(10, 18, 50, 22));

  QGroupBox* units = group(Control::Frame3D14, Twips(3232, 2200, 1020, 780));
  auto* imperial = new QRadioButton(QStringLiteral("Imperial"), units);
  auto* metric = new QRadioButton(QStringLiteral("Metric"), units);
  imperial->setGeometry(6, 17, 60, 16);
  metric->setGeometry(6, 33, 60, 16);
  imperial->setChecked(true);
  Register(Control::Imperial, imperial);
  Register(Control::Metric, metric);
  // The options are one stop of Tab and Shift+Tab, entered at the selected one: the other takes
  // the focus only from a click or an arrow.
  auto enterAtSelected = [imperial, metric] {
    imperial->setFocusPolicy(imperial->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    metric->setFocusPolicy(metric->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
  };
  enterAtSelected();
  connect(imperial, &QRadioButton::toggled, &alive_, [this, enterAtSelected](bool on) {
    enterAtSelected();
    if (on) calc_.UnitOptionSelected(UnitSystem::Imperial);
  });
  connect(metric, &QRadioButton::toggled, &alive_, [this, enterAtSelected](bool on) {
    enterAtSelected();
    if (on) calc_.UnitOptionSelected(UnitSystem::Metric);
  });

  auto* paste = new QPushButton(FromUtf8(StartUpText(Control::PasteClip)), central);
  paste->setGeometry(Twips(4344, 2300, 2196, 680));
  paste->setAutoDefault(true);
  connect(paste, &QPushButton::clicked, &alive_, [this] { calc_.PasteClicked(); });
  Register(Control::PasteClip, paste);
  box(Control::Job, central, Twips(4344, 3080, 2196, 300));

  auto* stat = new HintPanel(central);
  connect(stat, &HintPanel::clicked, &alive_, [this] { EndProgram(); });
  stat->setGeometry(0, Px(3915), kClientWidth, kClientHeight - Px(3915));
  QFont hintFont = font();
  hintFont.setPointSizeF(7);  // the longest hints fit the panel's width
  stat->setFont(hintFont);
  Register(Control::Stat, stat);

  // Mouse-over strips between the columns.
  label(Control::Label1, central, Twips(2016, 96, 120, 2040));
  label(Control::Label2, central, Twips(4200, 96, 160, 2040));
  label(Control::Label3, central, Twips(6552, 96, 90, 2040));
  // The clock line lies below the hint panel, outside the client area.
  label(Control::LabelTime, central, Twips(300, 4872, 1692, 372))
      ->setAccessibleName(QStringLiteral("Time of the calculation"));  // not a new value a minute

  // A button ignores a bare mouse move; its group or the background must not take it for theirs.
  for (Control c : {Control::LU, Control::Imperial, Control::Metric, Control::PasteClip}) {
    widget(c)->setAttribute(Qt::WA_NoMousePropagation);
  }

  voice_ = new Voice(*this, central);

  // Tab order: the input boxes, the level unit, the unit options, the job box, the button.
  QWidget* previous = nullptr;
  for (Control c : {Control::RL, Control::RW, Control::RCH, Control::NOL, Control::LL, Control::LLD,
                    Control::LDD, Control::COU, Control::NOF, Control::LLV, Control::LU,
                    Control::Imperial, Control::Metric, Control::Job, Control::PasteClip}) {
    if (previous) setTabOrder(previous, widget(c));
    previous = widget(c);
  }
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  QAction* exit = file->addAction(QStringLiteral("E&xit"));
  exit->setObjectName(QStringLiteral("mnuEx"));
  connect(exit, &QAction::triggered, &alive_, [this] { EndProgram(); });

  // Both catalogue menus are built from the catalogue tables when first opened (the first frame
  // does not show them); a submenu raises its opening before any choice in it (aboutToShow).
  QMenu* lampMenu = menuBar()->addMenu(QStringLiteral("&Approximate Lamp Lumens"));
  lampMenu->setObjectName(QStringLiteral("mnuLamp"));
  QAction* readMe = lampMenu->addAction(FromUtf8(kLampReadMeCaption));
  readMe->setObjectName(FromUtf8(kLampReadMeName));
  connect(readMe, &QAction::triggered, &alive_, [this] { calc_.LampReadMeChosen(); });
  connect(
      lampMenu, &QMenu::aboutToShow, &alive_,
      [this, lampMenu] {
        for (const LampFamily& family : LampCatalogue()) AddLampFamily(lampMenu, family);
      },
      Qt::SingleShotConnection);
  connect(lampMenu, &QMenu::aboutToShow, &alive_, [this] { calc_.LampMenuOpened(); });

  QMenu* levelMenu = menuBar()->addMenu(QStringLiteral("&Recommended Ltg Levels"));
  levelMenu->setObjectName(QStringLiteral("mnuRec"));
  connect(
      levelMenu, &QMenu::aboutToShow, &alive_,
      [this, levelMenu] {
        for (const LevelGroup& group : LevelCatalogue()) AddLevelGroup(levelMenu, group);
      },
      Qt::SingleShotConnection);
  connect(levelMenu, &QMenu::aboutToShow, &alive_, [this] { calc_.LevelMenuOpened(); });

  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  view->setObjectName(QStringLiteral("mnuView"));
  QAction* plan = view->addAction(QStringLiteral("&Room Plan"));
  plan->setObjectName(QStringLiteral("mnuPlan"));
  connect(plan, &QAction::triggered, &alive_, [this] { OpenPlan(); });

  QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
  helpMenu->setObjectName(QStringLiteral("mnuHelp"));
  auto help = [this, helpMenu](const char* caption, const char* name, std::function<void()> open) {
    QAction* action = helpMenu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, &alive_, std::move(open));
  };
  help("&Read me first", "mnureadme1",
       [this] { OpenModeless(disclaimer_, [this] { return CreateDisclaimer(this, false); }); });
  help("&How to use this software", "mnuHou",
       [this] { OpenModeless(howto_, [this] { return CreateHowto(this); }); });
  help("&About Candelor", "mnuAbout", [this] { OpenAbout(); });
  // The spacing explanation from the keyboard: the spacing is a label, which takes no focus.
  help("&Spacing and uniformity", "mnuSpacing", [this] { calc_.HelpRequested(Control::FS); });
}

void MainWindow::OpenModeless(QPointer<QDialog>& slot, const std::function<QDialog*()>& create) {
  // Open already: to the front, neither moved nor reloaded.
  if (!slot || !slot->isVisible()) {
    slot = create();
    slot->show();
  }
  slot->raise();
  slot->activateWindow();
}

void MainWindow::AddLampFamily(QMenu* parent, const LampFamily& family) {
  QMenu* menu = parent->addMenu(FromUtf8(family.caption));
  menu->setObjectName(FromUtf8(family.name));
  SayOnClosing(menu, parent);
  connect(menu, &QMenu::aboutToShow, &alive_, [this, &family] { calc_.LampFamilyOpened(family); });
  for (const LampNode& node : family.children) {
    if (const auto* entry = std::get_if<LampEntry>(&node.item)) {
      QAction* action = menu->addAction(FromUtf8(entry->caption));
      action->setObjectName(FromUtf8(entry->name));
      connect(action, &QAction::triggered, &alive_,
              [this, entry] { calc_.LampEntryChosen(*entry); });
    } else {
      AddLampFamily(menu, std::get<LampFamily>(node.item));
    }
  }
}

void MainWindow::AddLevelGroup(QMenu* parent, const LevelGroup& group) {
  QMenu* menu = parent->addMenu(FromUtf8(group.caption));
  menu->setObjectName(FromUtf8(group.name));
  SayOnClosing(menu, parent);
  for (const LevelNode& node : group.children) {
    if (const auto* level = std::get_if<RecommendedLevel>(&node.item)) {
      QAction* action = menu->addAction(FromUtf8(level->caption));
      action->setObjectName(FromUtf8(level->name));
      connect(action, &QAction::triggered, &alive_, [this, level] { calc_.LevelChosen(*level); });
    } else {
      AddLevelGroup(menu, std::get<LevelGroup>(node.item));
    }
  }
}

void MainWindow::SayOnClosing(QMenu* submenu, QMenu* parent) {
  // A submenu closed by Escape or Left leaves its parent open on the entry it came from, which a
  // screen reader does not say again by itself; once the closing is done, say it.
  connect(submenu, &QMenu::aboutToHide, &alive_, [this, parent] {
    QTimer::singleShot(0, &alive_, [this, parent = QPointer<QMenu>(parent)] {
      if (!parent || !parent->isVisible() || !parent->activeAction()) return;
      voice_->Say(parent->activeAction()->text().remove(QLatin1Char('&')).trimmed());
    });
  });
}

void MainWindow::OpenPlan() {
  if (!plan_) {
    plan_ = new PlanWindow(calc_.session(), voice_->settling());
    if (CanPlaceWindows()) {
      // Beside the calculator, on the side that covers the least of it, so both can be read.
      const QRect free = screen()->availableGeometry();
      const QRect main = frameGeometry();
      const int width = plan_->frameGeometry().width();
      const int right = std::min(main.right() + 8, free.right() - width);
      const int left = std::max(main.left() - 8 - width, free.left());
      const int coveredRight = std::max(0, main.right() - right);
      const int coveredLeft = std::max(0, left + width - main.left());
      plan_->move(coveredRight <= coveredLeft ? right : left, std::max(free.top(), main.top()));
    }
    plan_->show();
  }
  plan_->raise();
  plan_->activateWindow();
}

void MainWindow::OpenAbout() {
  InfoWindow* about =
      CreateAbout(this, Program, Version, Copyrt, [this] { OpenDisclaimerFromAbout(); });
  about->exec();
}

void MainWindow::OpenDisclaimerFromAbout() {
  // The modeless disclaimer, if open, closes and opens again modally over the About window.
  if (disclaimer_) disclaimer_->close();
  InfoWindow* disclaimer = CreateDisclaimer(this, true);
  disclaimer_ = disclaimer;
  disclaimer->exec();
}

}  // namespace candelor::qt
