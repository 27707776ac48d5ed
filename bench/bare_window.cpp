// The floor any Qt program pays: an empty main window of the calculator's size, reporting (as
// CLOCK_MONOTONIC nanoseconds) the moment it is exposed, then ending. With --text it shows one
// line of text in Arial, the floor of any window that shows text (fonts and style loaded).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setFixedSize(443, 300);
  if (argc > 1 && std::string(argv[1]) == "--text") {
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
