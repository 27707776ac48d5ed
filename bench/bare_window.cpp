// The floor any Qt program pays: an empty main window of the calculator's size, reporting (as
// CLOCK_MONOTONIC nanoseconds) the moment it is exposed, then ending. With --text it shows one
// line of text in Arial, the floor of any window that shows text (fonts and style loaded). With
// --controls it shows the calculator's controls at their places, as plain Qt widgets with their
// start-up texts and no logic: the floor of any Qt window that shows what the calculator shows;
// with --groups only its menu bar and framed groups, captions and frames.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

QRect Twips(int left, int top, int width, int height) {
  return QRect(left / 15, top / 15, width / 15, height / 15);
}

// The framed groups, their boxes (text, spin arrows, unit) or their value, and the rest.
void AddControls(QMainWindow& window, bool contents) {
  window.setFont(QFont(QStringLiteral("Arial"), 8));
  for (const char* menu :
       {"&File", "&Approximate Lamp Lumens", "&Recommended Ltg Levels", "&View", "&Help"}) {
    window.menuBar()->addMenu(QString::fromLatin1(menu));
  }
  auto* client = new QWidget(&window);
  client->setFixedSize(443, 279);
  window.setCentralWidget(client);
  struct Group {
    const char* caption;
    QRect place;
    const char* text;  // a box's, or with no spin arrows a value's
    const char* unit;
    bool box;
  };
  const Group groups[] = {
      {"Room Length", Twips(96, 96, 1944, 648), "10", "Ft", true},
      {"Room Width", Twips(96, 756, 1944, 648), "10", "Ft", true},
      {"Room Cavity Height", Twips(96, 1452, 1944, 648), "6", "Ft", true},
      {"Number of Lamps", Twips(2140, 96, 2100, 648), "2", nullptr, true},
      {"Lamp Lumens", Twips(2140, 756, 2100, 648), "2850", nullptr, true},
      {"LLD", Twips(2140, 1452, 996, 648), "0.90", nullptr, true},
      {"LDD", Twips(3232, 1452, 1018, 648), "0.85", nullptr, true},
      {"Coefficient of Utilization", Twips(4368, 96, 2196, 648), "0.55", nullptr, true},
      {"Number of Luminaires", Twips(4368, 756, 2196, 648), "2", nullptr, true},
      {"Lighting Level", Twips(4368, 1452, 2196, 648), "60", nullptr, true},
      {"Room Area", Twips(96, 2200, 1944, 780), "100", "SqFt", false},
      {"Room Cavity Ratio", Twips(96, 3000, 1944, 740), "6", nullptr, false},
      {"LLF", Twips(2140, 2200, 996, 780), ".76", nullptr, false},
      {"Spacing", Twips(2140, 3000, 996, 740), "--", "Ft", false},
      {"Uniformity", Twips(3232, 3000, 1020, 740), "1", nullptr, false},
      {"Units", Twips(3232, 2200, 1020, 780), nullptr, nullptr, false},
  };
  for (const Group& g : groups) {
    auto* frame = new QGroupBox(QString::fromLatin1(g.caption), client);
    frame->setGeometry(g.place);
    if (!contents) continue;
    // The box at the left (after the level's unit button), its unit, the arrows at the right.
    const int arrows = g.place.width() - 22;
    const int boxLeft = std::string(g.caption) == "Lighting Level" ? 44 : 8;
    const int boxRight = arrows - 2 - (g.unit && g.box ? 24 : 0);
    if (g.box) {
      (new QLineEdit(QString::fromLatin1(g.text), frame))
          ->setGeometry(boxLeft, 17, boxRight - boxLeft, 20);
      for (Qt::ArrowType arrow : {Qt::UpArrow, Qt::DownArrow}) {
        auto* step = new QToolButton(frame);
        step->setArrowType(arrow);
        step->setGeometry(arrows, arrow == Qt::UpArrow ? 17 : 27, 16, 10);
      }
      if (g.unit)
        (new QLabel(QString::fromLatin1(g.unit), frame))->setGeometry(boxRight + 4, 17, 20, 20);
      if (boxLeft > 8) (new QPushButton(QStringLiteral("FC"), frame))->setGeometry(6, 16, 36, 22);
    } else if (g.text) {
      (new QLabel(QString::fromLatin1(g.text), frame))->setGeometry(10, 20, 50, 22);
      const int unitLeft = std::string(g.caption) == "Spacing" ? 42 : 92;
      if (g.unit)
        (new QLabel(QString::fromLatin1(g.unit), frame))->setGeometry(unitLeft, 20, 34, 22);
    } else {
      auto* imperial = new QRadioButton(QStringLiteral("Imperial"), frame);
      imperial->setGeometry(6, 17, 60, 16);
      imperial->setChecked(true);
      (new QRadioButton(QStringLiteral("Metric"), frame))->setGeometry(6, 33, 60, 16);
    }
  }
  if (!contents) return;
  (new QPushButton(QStringLiteral("Paste to Clipboard"), client))
      ->setGeometry(Twips(4344, 2300, 2196, 680));
  (new QLineEdit(QStringLiteral("Job and/or Room Name"), client))
      ->setGeometry(Twips(4344, 3080, 2196, 300));
  auto* hint = new QLabel(
      QStringLiteral(" Use keyboard arrows to scroll the values in active boxes. Use Tab "
                     "key to switch between boxes."),
      client);
  hint->setGeometry(0, 261, 443, 18);
  hint->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  QFont small = hint->font();
  small.setPointSizeF(7);
  hint->setFont(small);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  const std::string kind = argc > 1 ? argv[1] : "";
  if (kind == "--controls" || kind == "--groups") {
    AddControls(window, kind == "--controls");
  } else {
    window.setFixedSize(443, 300);
  }
  if (kind == "--text") {
    auto* label = new QLabel(QStringLiteral("Room Length"), &window);
    label->setFont(QFont(QStringLiteral("Arial"), 8));
    window.setCentralWidget(label);
  }
  window.show();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!window.windowHandle() || !window.windowHandle()->isExposed()) return;
    poll.stop();
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
    // As the calculator does: Qt 6.4's Wayland teardown may wait for ever on its event thread.
    std::_Exit(0);
  });
  poll.start(1);
  return QApplication::exec();
}
