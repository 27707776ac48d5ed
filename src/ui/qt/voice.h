#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>

#include "core/controls.h"

class QWidget;

namespace candelor::qt {

class Announcer;
class BoxEdit;
class MainWindow;

// The calculator's voice to a screen reader: every control's accessible name and description,
// kept as new as the texts they tell, and, half a second after the values settle, what changed
// ("Room Area, 120 square feet. Number of Luminaires, solved, 3.0."), never over a message that
// waits for its answer. It reads the window's texts through the window's port.
class Voice : public QObject {
 public:
  // `home`: the widget its notification lives in.
  Voice(MainWindow& window, QWidget* home);

  // A text, a caption or the solving direction changed; `written` is a box the program rewrote
  // (news unless the user is in it).
  void Changed(Control written, Control focused);
  // Describes a control by its hint; again when the hint changes (the level unit's).
  void Describe(Control c);
  // Says a text at once.
  void Say(const QString& text);
  // Runs while the voice is about to tell what settled; other windows wait for it.
  const QTimer& settling() const { return settle_; }

 private:
  QString AccessibleName(Control c) const;
  QString Spoken(Control c) const;  // what is said of a value when it changes
  bool IsSolved(Control c) const;
  void UpdateNames();
  void Announce();

  MainWindow& window_;
  Announcer* announcer_;
  QTimer settle_;
  bool primed_ = false;                        // the start-up values have been taken note of
  std::array<QString, kControlCount> spoken_;  // what was last said of each value
  std::array<bool, kControlCount> written_{};  // boxes the program rewrote since then
};

// Writes the text of a box the user is not in, its text events kept from the screen reader:
// handled late, they would pass for the focus arriving if the program moves the focus there next
// (into the level box after a unit switch), and the box's name would never be said.
void WriteUnheard(BoxEdit* box, const QString& text);

// The name a control's parts begin with: its group's caption, the abbreviations spelled out
// ("Lamp Lumen Depreciation").
QString AccessiblePrefix(const MainWindow& window, Control c);

}  // namespace candelor::qt
