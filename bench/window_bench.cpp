// The cost of one tick on the real window, and the time from a keystroke in room length to the
// solved number of luminaires shown. Prints figures; passes or fails nothing.
//   window_bench          (offscreen unless QT_QPA_PLATFORM says otherwise)
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "stats.h"
#include "ui/qt/main_window.h"

namespace {

using candelor::Control;
using candelor::Timer;
using candelor::bench::Summarize;
using candelor::qt::MainWindow;

double MicrosecondsOf(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
      .count();
}

// One tick, including the repaint it causes.
void TickAndPaint(MainWindow& w, Timer t) {
  w.calculator().TimerFired(t);
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

void TickCost(MainWindow& w, Timer t, const char* direction, Control input, const char* a,
              const char* b) {
  constexpr int kSamples = 3000;
  std::vector<double> unchanged, changed;
  w.StopTimer(Timer::Timer1);
  w.StopTimer(Timer::Timer2);
  TickAndPaint(w, t);
  for (int i = 0; i < kSamples; ++i)
    unchanged.push_back(MicrosecondsOf([&] { TickAndPaint(w, t); }));
  for (int i = 0; i < kSamples; ++i) {
    w.SetText(input, i % 2 ? a : b);  // every result changes at the next tick
    QCoreApplication::processEvents();
    changed.push_back(MicrosecondsOf([&] { TickAndPaint(w, t); }));
  }
  auto u = Summarize(unchanged), c = Summarize(changed);
  std::printf("tick %-15s nothing changed: median %7.1f us  p99 %7.1f us\n", direction, u.median,
              u.p99);
  std::printf("tick %-15s all changed:     median %7.1f us  p99 %7.1f us\n", direction, c.median,
              c.p99);
}

void KeystrokeToResult(MainWindow& w) {
  constexpr int kKeystrokes = 300;
  auto* length = qobject_cast<QLineEdit*>(w.widget(Control::RL));
  auto* luminaires = qobject_cast<QLineEdit*>(w.widget(Control::NOF));
  w.StartTimer(Timer::Timer1);
  std::mt19937 random(7);
  std::vector<double> latencies;
  for (int i = 0; i < kKeystrokes; ++i) {
    // A pause of random length, so that keystrokes fall at every phase of the 50 ms tick.
    QTest::qWait(static_cast<int>(random() % 50));
    length->setFocus();
    length->selectAll();
    const QString before = luminaires->text();
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(length, i % 2 ? Qt::Key_8 : Qt::Key_9);
    while (luminaires->text() == before && clock.elapsed() < 1000) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
    }
    latencies.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  }
  auto s = Summarize(latencies);
  std::printf("keystroke to result (%d keys): median %5.1f ms  p99 %5.1f ms  max %5.1f ms\n",
              kKeystrokes, s.median, s.p99, s.max);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  MainWindow w;
  w.show();
  QApplication::setActiveWindow(&w);
  if (!QTest::qWaitForWindowExposed(&w)) return 1;
  w.Start();
  QTest::qWait(100);
  std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
  if (argc < 2 || std::string(argv[1]) != "--keys-only") {
    TickCost(w, Timer::Timer1, "find luminaires", Control::LLV, "60", "75");
    TickCost(w, Timer::Timer2, "find level", Control::NOF, "2", "4");
  }
  KeystrokeToResult(w);
  return 0;
}
