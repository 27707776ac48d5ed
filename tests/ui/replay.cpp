// Replays event scripts on the headless form and on the real window, and compares the two after
// every event (replay.h says how).
//
//   replay                        the seed corpus, the regressions and generated scripts
//   replay FILE...                the given scripts, e.g. tests/fuzz/corpus/*
//   replay --generated N --seed S only N generated scripts from seed S
#include <QApplication>
#include <QDir>
#include <algorithm>
#include <cstdio>

#include "ui/quiet_offscreen.h"
#include "ui/replay.h"
#include "ui/seat.h"

int main(int argc, char** argv) {
  using namespace candelor::qt::replay;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(candelor::testing::QuietOffscreen);
  QApplication app(argc, argv);
  const std::unique_ptr<Seat> realSeat = SeatFromEnvironment();
  UseSeat(realSeat.get());
  std::vector<Script> scripts;
  int generated = -1;
  unsigned seed = 1;
  QStringList files;
  const QStringList args = QCoreApplication::arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--generated") && i + 1 < args.size()) {
      generated = args[++i].toInt();
    } else if (args[i] == QLatin1String("--seed") && i + 1 < args.size()) {
      seed = args[++i].toUInt();
    } else {
      files << args[i];
    }
  }
  if (files.isEmpty() && generated < 0) {
    // The user guide's scripts too: what the guide shows must stay true of both forms.
    for (const char* dir : {"tests/fuzz/corpus", "tests/fuzz/regressions", "docs/guide"}) {
      QDir d(QStringLiteral(CANDELOR_SOURCE_DIR "/") + QLatin1String(dir), QStringLiteral("*"));
      if (QLatin1String(dir) == QLatin1String("docs/guide"))
        d.setNameFilters({QStringLiteral("*.txt")});
      for (const QString& f : d.entryList(QDir::Files, QDir::Name)) files << d.filePath(f);
    }
    generated = qEnvironmentVariableIsSet("CANDELOR_REPLAY_GENERATED")
                    ? qEnvironmentVariableIntValue("CANDELOR_REPLAY_GENERATED")
                    : 200;
  }
  for (const QString& f : files) scripts.push_back(FromFile(f));
  if (generated > 0) {
    for (Script& s : Generate(generated, seed)) scripts.push_back(std::move(s));
  }
  // The same scripts with the room plan open beside the calculator: it must change nothing there.
  if (qEnvironmentVariableIsSet("CANDELOR_REPLAY_PLAN")) {
    for (Script& s : scripts) s.events.insert(s.events.begin(), {"plan", ""});
  }
  int passed = 0, failed = 0;
  for (const Script& s : scripts) {
    // The room plan takes the keyboard, which only a compositor can give back to the calculator.
    const bool plan = std::any_of(s.events.begin(), s.events.end(), [](const ScriptEvent& e) {
      return e.verb == "plan" || e.verb == "closeplan" || e.verb.starts_with("rows");
    });
    if (realSeat && plan) {
      std::printf("skipped %s: the room plan is not played through a seat\n", s.name.c_str());
      continue;
    }
    (Run(s) ? passed : failed) += 1;
  }
  std::printf("replay: %d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
