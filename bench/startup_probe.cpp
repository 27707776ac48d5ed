// The calculator as it starts for a user, reporting (as CLOCK_MONOTONIC nanoseconds on standard
// output) the moment its window is exposed and shows the first solved values, then ending.
#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <string>

#include "ui/qt/application.h"
#include "ui/qt/main_window.h"

int main(int argc, char** argv) {
  // With --exposed, reports when the window is exposed, without waiting for the first tick.
  static bool exposedOnly = argc > 1 && std::string(argv[1]) == "--exposed";
  return candelor::qt::RunCalculator(1, argv, [](candelor::qt::MainWindow& w) {
    auto* poll = new QTimer(&w);
    QObject::connect(poll, &QTimer::timeout, &w, [&w, poll] {
      auto* nof = qobject_cast<QLineEdit*>(w.widget(candelor::Control::NOF));
      if (!w.windowHandle() || !w.windowHandle()->isExposed()) return;
      if (!exposedOnly && nof->text() != QStringLiteral("2.5")) return;
      poll->stop();
      timespec now{};
      clock_gettime(CLOCK_MONOTONIC, &now);
      std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
      std::fflush(stdout);
      QCoreApplication::quit();
    });
    poll->start(1);
  });
}
