// What a screen reader says of the main window: every control's name with its unit, the results
// with their values, and an announcement when a result has settled on a new value.

#include "ui/qt/voice.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <utility>

#include "core/texts.h"
#include "ui/hints.h"
#include "ui/qt/main_window.h"
#include "ui/qt/twips.h"
#include "ui/qt/widgets.h"

namespace candelor::qt {
namespace {

// A hint without its leading blanks, or nothing for the blank hint.
QString HintText(std::optional<std::string_view> hint) {
  if (!hint) return {};
  return FromUtf8(*hint).trimmed();
}

QString Spelled(const std::string& caption) {
  return FromUtf8(SpelledUnit(caption));
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

Voice::Voice(MainWindow& window, QWidget* home)
    : QObject(home), window_(window), announcer_(new Announcer(home)) {
  settle_.setSingleShot(true);
  settle_.setInterval(500);
  connect(&settle_, &QTimer::timeout, this, [this] { Announce(); });
  for (int i = 0; i < kControlCount; ++i) Describe(static_cast<Control>(i));
  UpdateNames();
}

QString AccessiblePrefix(const MainWindow& window, Control c) {
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
  QWidget* w = window.widget(c);
  auto* group = w ? qobject_cast<QGroupBox*>(w->parentWidget()) : nullptr;
  if (!group || qobject_cast<QAbstractButton*>(w)) return {};
  return group->title();
}

bool Voice::IsSolved(Control c) const {
  return (c == Control::NOF && window_.IsTimerRunning(Timer::Timer1)) ||
         (c == Control::LLV && window_.IsTimerRunning(Timer::Timer2));
}

QString Voice::AccessibleName(Control c) const {
  const QString prefix = AccessiblePrefix(window_, c);
  const Control unit = UnitOf(c);
  const QString spelled = unit == Control::Background ? QString() : Spelled(window_.Text(unit));
  if (c == Control::Unit0 || c == Control::Unit1 || c == Control::Unit2 || c == Control::Unit3 ||
      c == Control::Area) {
    return Spelled(window_.Text(c));
  }
  if (c == Control::LU) return prefix + QStringLiteral(", ") + spelled;
  // A result says its value; its unit is the caption beside it, which says it once.
  if (IsResult(c)) return prefix + QStringLiteral(", ") + FromUtf8(window_.Text(c));
  if (!IsTextBox(c)) return prefix.isEmpty() ? window_.widget(c)->accessibleName() : prefix;
  // A box says its unit; its value is its text. The solved box says so, and its value.
  QString name = spelled.isEmpty() ? prefix : prefix + QStringLiteral(", ") + spelled;
  if (IsSolved(c)) name += QStringLiteral(", solved, ") + FromUtf8(window_.Text(c));
  return name;
}

QString Voice::Spoken(Control c) const {
  const QString prefix = AccessiblePrefix(window_, c);
  if (c == Control::LU) return AccessibleName(c);
  const Control unit = UnitOf(c);
  QString value = FromUtf8(window_.Text(c)).trimmed();
  if (unit != Control::Background && value != QLatin1String("--"))
    value += QLatin1Char(' ') + Spelled(window_.Text(unit));
  if (IsSolved(c)) return prefix + QStringLiteral(", solved, ") + value;
  return prefix + QStringLiteral(", ") + value;
}

void Voice::UpdateNames() {
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    QWidget* w = window_.widget(c);
    if (!w || c == Control::Background || c == Control::Stat || c == Control::LabelTime ||
        (c >= Control::Label1 && c <= Control::Label3)) {
      continue;
    }
    const QString name = AccessibleName(c);
    if (!name.isEmpty() && w->accessibleName() != name) w->setAccessibleName(name);
  }
}

void Voice::Announce() {
  UpdateNames();
  // Over a message the user is answering, no results: what settled is told once it is answered.
  if (window_.calculator().session().MessageOpen()) return;
  // What settled on a new value, in the order of the window: values the program wrote into the
  // boxes (a unit switch, a catalogue entry), the level unit, the results and the solved value.
  // The user's own typing is not repeated back.
  static constexpr Control kOrder[] = {
      Control::RL,  Control::RW,  Control::RCH, Control::NOL,       Control::LL,  Control::LLD,
      Control::LDD, Control::COU, Control::LU,  Control::RA,        Control::RCR, Control::LLF,
      Control::NOF, Control::LLV, Control::FS,  Control::Uniformity};
  QStringList news;
  // The start-up values are no news: the first calm only takes note of them.
  const bool first = std::exchange(primed_, true) == false;
  for (Control c : kOrder) {
    const QString now = Spoken(c);
    QString& before = spoken_[static_cast<std::size_t>(c)];
    const bool told =
        IsResult(c) || c == Control::LU || IsSolved(c) || written_[static_cast<std::size_t>(c)];
    if (told && now != before && !first) news << now;
    before = now;
  }
  written_ = {};
  if (!news.isEmpty()) announcer_->Say(news.join(QStringLiteral(". ")) + QLatin1Char('.'));
}

void Voice::Changed(Control written, Control focused) {
  // A box that changed while the user is elsewhere (the program rewrote it) has news to tell.
  if (IsTextBox(written) && written != focused) written_[static_cast<std::size_t>(written)] = true;
  // Announce what has settled: half a second after the last change, not every keystroke.
  settle_.start();
  UpdateNames();  // a name is never older than the text it tells
}

void Voice::Say(const QString& text) {
  announcer_->Say(text);
}

void Voice::Describe(Control c) {
  QWidget* w = window_.widget(c);
  if (!w || c == Control::Background) return;
  // The description is the control's hint, else its group's.
  const std::string lu = window_.Text(Control::LU);
  QString description = HintText(MouseOverHint(c, lu));
  if (description.isEmpty() && w->parentWidget()) {
    for (int g = 0; g < kControlCount; ++g) {
      if (window_.widget(static_cast<Control>(g)) == w->parentWidget())
        description = HintText(MouseOverHint(static_cast<Control>(g), lu));
    }
  }
  if (c == Control::RL) description = HintText(kRoomLengthHint);
  if (c == Control::Imperial) description = HintText(kImperialFocusHint);
  // The button is met from the keyboard: its description is the hint the keyboard gets.
  if (c == Control::LU) description = HintText(lu == "FC" ? kFootCandleFocusHint : kLuxFocusHint);
  if (c == Control::Metric) description = HintText(kMetricFocusHint);
  if (c == Control::Stat) description = QStringLiteral("Hints. Click to close the calculator.");
  w->setAccessibleDescription(description);
}

}  // namespace candelor::qt
