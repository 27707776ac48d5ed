// Start-up time and peak memory of the calculator against a bare Qt window, and the CPU time an
// untouched calculator uses. Run under an X server (scripts/bench starts Xvfb). Prints figures.
//   startup_bench STARTUP_PROBE BARE_WINDOW CALCULATOR [STARTS] [IDLE_SECONDS]
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "stats.h"

extern char** environ;

namespace {

long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct Run {
  double startupMs = 0;
  double peakRssMb = 0;
};

// Starts a program that prints the moment it is ready, and measures from just before the start.
Run Measure(const char* path, const char* arg = nullptr) {
  int out[2];
  if (pipe(out) != 0) std::exit(1);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  char* argv[] = {const_cast<char*>(path), const_cast<char*>(arg), nullptr};
  const long long start = MonotonicNs();
  pid_t pid = 0;
  if (posix_spawn(&pid, path, &actions, nullptr, argv, environ) != 0) std::exit(1);
  close(out[1]);
  std::string text;
  char buf[64];
  for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;)
    text.append(buf, static_cast<std::size_t>(n));
  close(out[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  posix_spawn_file_actions_destroy(&actions);
  const long long ready = std::atoll(text.c_str());
  return {static_cast<double>(ready - start) / 1e6, static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double CpuSeconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string all((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  std::istringstream fields(all.substr(all.rfind(')') + 2));
  std::string skip;
  for (int i = 3; i < 14; ++i) fields >> skip;  // fields 3..13
  long utime = 0, stime = 0;
  fields >> utime >> stime;
  return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Context switches of all the process's threads together: how often it was woken.
long long Wakeups(pid_t pid) {
  long long total = 0;
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  for (const auto& task : std::filesystem::directory_iterator(tasks)) {
    std::ifstream status(task.path() / "status");
    for (std::string line; std::getline(status, line);) {
      if (line.find("ctxt_switches:") != std::string::npos)
        total += std::atoll(line.substr(line.find(':') + 1).c_str());
    }
  }
  return total;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s STARTUP_PROBE BARE_WINDOW CALCULATOR [STARTS] [IDLE_SECONDS]\n",
                 argv[0]);
    return 2;
  }
  const int starts = argc > 4 ? std::atoi(argv[4]) : 15;
  const int idleSeconds = argc > 5 ? std::atoi(argv[5]) : 20;
  // The calculator to its first solved values and to its window exposed; the bare window, the
  // bare window with one line of text, and the calculator's controls as plain Qt widgets.
  // Interleaved, after one warm-up start of each.
  struct Program {
    const char* path;
    const char* arg;
    std::vector<double> ms, rss;
  };
  std::vector<Program> programs = {{argv[1], nullptr, {}, {}},
                                   {argv[1], "--exposed", {}, {}},
                                   {argv[2], nullptr, {}, {}},
                                   {argv[2], "--text", {}, {}},
                                   {argv[2], "--controls", {}, {}}};
  for (Program& p : programs) Measure(p.path, p.arg);
  for (int i = 0; i < starts; ++i) {
    for (Program& p : programs) {
      Run r = Measure(p.path, p.arg);
      p.ms.push_back(r.startupMs);
      p.rss.push_back(r.peakRssMb);
    }
  }
  auto ms = [&](int i) { return candelor::bench::Summarize(programs[i].ms).median; };
  auto rss = [&](int i) { return candelor::bench::Summarize(programs[i].rss).median; };
  std::printf(
      "start-up, median of %d starts: calculator to solved values %.1f ms, to window "
      "exposed %.1f ms; bare window %.1f ms; bare window with text %.1f ms\n",
      starts, ms(0), ms(1), ms(2), ms(3));
  std::printf(
      "start-up against the bare window with text: %.2f to exposed (goal <= 1.10); to solved "
      "values %.1f ms (goal <= 100 ms); against the bare window %.2f to exposed\n",
      ms(1) / ms(3), ms(0), ms(1) / ms(2));
  std::printf(
      "the same controls as plain Qt widgets, no logic: exposed %.1f ms, %.2f x the bare window "
      "with text; the calculator %.2f x it\n",
      ms(4), ms(4) / ms(3), ms(1) / ms(4));
  std::printf(
      "peak resident memory: calculator %.1f MB, bare window with text %.1f MB, ratio %.2f (goal "
      "<= 1.05); bare window %.1f MB, ratio %.2f\n",
      rss(0), rss(3), rss(0) / rss(3), rss(2), rss(0) / rss(2));

  // An untouched calculator, after 10 s of calm: CPU time and wake-ups over the idle period. The
  // caret rests 10 s after the window is made, a little after the spawn; its last repaint (on
  // Wayland a frame, a callback and a buffer's release) is part of the calm, not of the idle.
  pid_t pid = 0;
  char* calcArgv[] = {argv[3], nullptr};
  if (posix_spawn(&pid, argv[3], nullptr, nullptr, calcArgv, environ) != 0) return 1;
  std::this_thread::sleep_for(std::chrono::seconds(11));
  const double before = CpuSeconds(pid);
  const long long wokenBefore = Wakeups(pid);
  std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
  const double used = CpuSeconds(pid) - before;
  const long long woken = Wakeups(pid) - wokenBefore;
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  std::printf(
      "idle: %.2f s of CPU in %d s, %.3f %% of one core (goal <= 0.05 %%); woken %.2f times a "
      "second, all threads (goal <= 1)\n",
      used, idleSeconds, 100.0 * used / idleSeconds, static_cast<double>(woken) / idleSeconds);
  return 0;
}
