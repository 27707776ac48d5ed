// What a screen reader says of the main window: every control's name with its unit, the results
// with their values, and an announcement when a result has settled on a new value.

#include <QAbstractButton>
#include <QGroupBox>

#include "core/units.h"
#include "input/commit.h"
#include "ui/hints.h"
#include "ui/qt/main_window.h"
#include "ui/qt/twips.h"

namespace candelor::qt {
namespace {

// A hint without its leading blanks, or nothing for the blank hint.
QString HintText(std::optional<std::string_view> hint) {
  if (!hint) return {};
  return FromUtf8(*hint).trimmed();
}

// A unit caption in words.
QString Spelled(const std::string& caption) {
  if (caption == "Ft") return QStringLiteral("feet");
  if (caption == "m") return QStringLiteral("metres");
  if (caption == "SqFt") return QStringLiteral("square feet");
  if (caption == "Sqm") return QStringLiteral("square metres");
  if (caption == "FC") return QStringLiteral("foot-candles");
  if (caption == "Lux") return QStringLiteral("lux");
  return FromUtf8(caption);
}

// The unit caption that goes with a quantity, if any.
Control UnitOf(Control c) {
  switch (c) {
    case Control::RL:
      return Control::Unit0;
    case Control::RW:
      return Control::Unit1;
    case Control::RCH:
      return Control::Unit2;
    case Control::FS:
      return Control::Unit3;
    case Control::RA:
      return Control::Area;
    case Control::LLV:
    case Control::LU:
      return Control::LU;
    default:
      return Control::Background;
  }
}

bool IsResult(Control c) {
  return c == Control::RA || c == Control::RCR || c == Control::LLF || c == Control::FS ||
         c == Control::Uniformity;
}

}  // namespace

QString MainWindow::AccessiblePrefix(Control c) const {
  switch (c) {
    case Control::LU:
      return QStringLiteral("Lighting Level unit");
    case Control::Job:
      return QStringLiteral("Job and/or room name");
    // The abbreviations spelled out: a screen reader would say "L L D".
    case Control::LLD:
      return QStringLiteral("Lamp Lumen Depreciation");
    case Control::LDD:
      return QStringLiteral("Luminaire Dirt Depreciation");
    case Control::LLF:
      return QStringLiteral("Light Loss Factor");
    default:
      break;
  }
  QWidget* w = widget(c);
  auto* group = w ? qobject_cast<QGroupBox*>(w->parentWidget()) : nullptr;
  if (!group || qobject_cast<QAbstractButton*>(w)) return {};
  return group->title();
}

QString MainWindow::AccessibleName(Control c) const {
  const QString prefix = AccessiblePrefix(c);
  const Control unit = UnitOf(c);
  const QString spelled = unit == Control::Background ? QString() : Spelled(Text(unit));
  if (c == Control::Unit0 || c == Control::Unit1 || c == Control::Unit2 || c == Control::Unit3 ||
      c == Control::Area) {
    return Spelled(Text(c));
  }
  if (c == Control::LU) return prefix + QStringLiteral(", ") + spelled;
  if (IsResult(c)) {
    // A result says its value: "Room Area, 120 square feet".
    QString name = prefix + QStringLiteral(", ") + FromUtf8(Text(c));
    if (!spelled.isEmpty() && Text(c) != "--") name += QLatin1Char(' ') + spelled;
    return name;
  }
  if (!IsTextBox(c)) return prefix.isEmpty() ? widget(c)->accessibleName() : prefix;
  // A box says its unit; its value is its text. The solved box says so, and its value.
  QString name = spelled.isEmpty() ? prefix : prefix + QStringLiteral(", ") + spelled;
  const bool solved = (c == Control::NOF && IsTimerRunning(Timer::Timer1)) ||
                      (c == Control::LLV && IsTimerRunning(Timer::Timer2));
  if (solved) name += QStringLiteral(", solved, ") + FromUtf8(Text(c));
  return name;
}

void MainWindow::UpdateAccessibleNames() {
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    QWidget* w = widget(c);
    if (!w || c == Control::Background || c == Control::Stat || c == Control::LabelTime ||
        (c >= Control::Label1 && c <= Control::Label3)) {
      continue;
    }
    // Setting a name announces it, so only a name that really changes is set.
    const QString name = AccessibleName(c);
    if (!name.isEmpty() && w->accessibleName() != name) w->setAccessibleName(name);
  }
}

void MainWindow::NoteChange() {
  // Announce what has settled: half a second after the last change, not every keystroke.
  settle_.start();
}

void MainWindow::DescribeForAccessibility(Control c) {
  QWidget* w = widget(c);
  if (!w || c == Control::Background) return;
  // The description is the control's hint, else its group's.
  const std::string lu = Text(Control::LU);
  QString description = HintText(MouseOverHint(c, lu));
  if (description.isEmpty() && w->parentWidget()) {
    for (int g = 0; g < kControlCount; ++g) {
      if (widgets_[g] == w->parentWidget())
        description = HintText(MouseOverHint(static_cast<Control>(g), lu));
    }
  }
  if (c == Control::RL) description = HintText(kRoomLengthHint);
  if (c == Control::Imperial) description = HintText(kImperialFocusHint);
  if (c == Control::Metric) description = HintText(kMetricFocusHint);
  if (c == Control::Stat) description = QStringLiteral("Hints. Click to close the calculator.");
  w->setAccessibleDescription(description);
}

}  // namespace candelor::qt
