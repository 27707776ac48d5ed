#pragma once

// Replays event scripts (support/script.h) on the headless form and on the real window, and
// compares the two after every event: every control's text, the focus and its selection, the
// hint panel, the running tickers, every message shown with its answer, and whether the program
// ended. On the real window every event is a real key or mouse event delivered through Qt's event
// loop to the window under the point or with the focus; message boxes are real modal boxes,
// answered by a key sent to them; menus really drop down; time is real time.
//
//   replay                        the seed corpus, the regressions and generated scripts
//   replay FILE...                the given scripts, e.g. tests/fuzz/corpus/*
//   replay --generated N --seed S only N generated scripts from seed S
//
// Three verbs serve the user guide's screenshots (tools/screenshots) and nothing else: "shot NAME"
// pictures what the screen shows, "shotbox NAME" the next message box before it is answered, and
// "shotmenu NAME ROW" the recommended-levels menu opened down to a row's submenu (for the
// headless form, as "levels"); a replay without a camera passes over them.
//
// Time: the real window's tickers tick in real time, and each tick (and each repeat of a held
// spin arrow) is passed on to the headless form the moment it happens, so both see the same
// sequence. While one event is being delivered (a burst of keys, say) the window's timer events
// are held back and delivered right after it, so that a tick falls between events, never inside
// one, on both forms alike.
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "support/script.h"

class QWindow;

namespace candelor::qt::replay {

class Seat;
using candelor::testing::ScriptEvent;

// Every key and mouse event goes through the seat from now on (replay.cpp: on Wayland); none,
// they are sent into Qt's event loop.
void UseSeat(Seat* seat);

// Takes a picture for a "shot" verb, given its name and the main window.
using Camera = std::function<void(const std::string& name, QWindow* main)>;

struct Script {
  std::string name;
  std::vector<ScriptEvent> events;
};

// Plays one script on both forms; prints the first difference and returns false on one.
bool Run(const Script& script, const Camera& camera = {});
Script FromFile(const QString& path);
// Scripts from a seed: short waits so that a few hundred stay near a minute.
std::vector<Script> Generate(int count, unsigned seed);
// The script with an arrow at one of its events, for a report.
std::string Listing(const Script& s, std::size_t upTo);

}  // namespace candelor::qt::replay
