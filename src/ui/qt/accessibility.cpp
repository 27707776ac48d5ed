// What a screen reader says of the main window: every control's name with its unit, the results
// with their values, and an announcement when a result has settled on a new value.

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLineEdit>

#include "core/texts.h"
#include "ui/hints.h"
#include "ui/qt/main_window.h"
#include "ui/qt/plan_window.h"
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

namespace {

// An input box to a screen reader. Qt's own line-edit interface gives its text in attribute runs
// that end a character short, and a screen reader built the box's line from them ("285" for
// 2850); this one gives the whole text as one run, and the rest as a line edit does.
class BoxAccessible : public QAccessibleWidget,
                      public QAccessibleTextInterface,
                      public QAccessibleEditableTextInterface {
 public:
  explicit BoxAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface)
      return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return box()->text();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = true;
    s.selectableText = true;
    return s;
  }

  // Text.
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !box()->hasSelectedText()) return;
    *start = box()->selectionStart();
    *end = box()->selectionEnd();
  }
  int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { box()->deselect(); }
  void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }
  int cursorPosition() const override { return box()->cursorPosition(); }
  void setCursorPosition(int position) override { box()->setCursorPosition(position); }
  QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(box()->text().size()); }
  QRect characterRect(int offset) const override {
    // The cursor's place at that offset, as wide as the character.
    const QFontMetrics metrics = box()->fontMetrics();
    const QString text = box()->text();
    const QRect cursor = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = cursor.left() + metrics.horizontalAdvance(text.left(offset)) -
                  metrics.horizontalAdvance(text.left(box()->cursorPosition()));
    const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 1;
    return QRect(box()->mapToGlobal(QPoint(x, cursor.top())), QSize(width, cursor.height()));
  }
  int offsetAtPoint(const QPoint& point) const override {
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
  }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

  // Editable text.
  void deleteText(int start, int end) override { replaceText(start, end, {}); }
  void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
  void replaceText(int start, int end, const QString& text) override {
    box()->setSelection(start, end - start);
    box()->insert(text);  // as if typed: the box's typing limit and checks apply
  }

 private:
  QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* CalculatorAccessible(const QString&, QObject* object) {
  if (auto* box = dynamic_cast<BoxEdit*>(object)) return new BoxAccessible(box);
  if (auto* announcer = dynamic_cast<Announcer*>(object))
    return new QAccessibleWidget(announcer, QAccessible::Notification);
  return nullptr;
}

}  // namespace

void MainWindow::InstallAccessibleFactory() {
  // Before any control exists: an interface, once made, is kept for the control's life.
  static const bool installed = [] {
    QAccessible::installFactory(CalculatorAccessible);
    return true;
  }();
  (void)installed;
}

void MainWindow::BuildAccessibility() {
  announcer_ = new Announcer(centralWidget());
  UpdateAccessibleNames();
}

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

bool MainWindow::IsSolved(Control c) const {
  return (c == Control::NOF && IsTimerRunning(Timer::Timer1)) ||
         (c == Control::LLV && IsTimerRunning(Timer::Timer2));
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
  // A result says its value; its unit is the caption beside it, which says it once.
  if (IsResult(c)) return prefix + QStringLiteral(", ") + FromUtf8(Text(c));
  if (!IsTextBox(c)) return prefix.isEmpty() ? widget(c)->accessibleName() : prefix;
  // A box says its unit; its value is its text. The solved box says so, and its value.
  QString name = spelled.isEmpty() ? prefix : prefix + QStringLiteral(", ") + spelled;
  if (IsSolved(c)) name += QStringLiteral(", solved, ") + FromUtf8(Text(c));
  return name;
}

QString MainWindow::Spoken(Control c) const {
  const QString prefix = AccessiblePrefix(c);
  if (c == Control::LU) return AccessibleName(c);
  const Control unit = UnitOf(c);
  QString value = FromUtf8(Text(c)).trimmed();
  if (unit != Control::Background && value != QLatin1String("--"))
    value += QLatin1Char(' ') + Spelled(Text(unit));
  if (IsSolved(c)) return prefix + QStringLiteral(", solved, ") + value;
  return prefix + QStringLiteral(", ") + value;
}

void MainWindow::UpdateAccessibleNames() {
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    QWidget* w = widget(c);
    if (!w || c == Control::Background || c == Control::Stat || c == Control::LabelTime ||
        (c >= Control::Label1 && c <= Control::Label3)) {
      continue;
    }
    const QString name = AccessibleName(c);
    if (!name.isEmpty() && w->accessibleName() != name) w->setAccessibleName(name);
  }
}

void MainWindow::Announce() {
  UpdateAccessibleNames();
  // Over a message the user is answering, no results: what settled is told once it is answered.
  if (calc_.session().MessageOpen()) return;
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

void MainWindow::NoteChange(Control written) {
  // A box that changed while the user is elsewhere (the program rewrote it) has news to tell.
  if (IsTextBox(written) && written != focused_) written_[static_cast<std::size_t>(written)] = true;
  // Announce what has settled: half a second after the last change, not every keystroke.
  settle_.start();
  UpdateAccessibleNames();  // a name is never older than the text it tells
  TickMayChange();
  if (plan_) plan_->Refresh();
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
  // The button is met from the keyboard: its description is the hint the keyboard gets.
  if (c == Control::LU) description = HintText(lu == "FC" ? kFootCandleFocusHint : kLuxFocusHint);
  if (c == Control::Metric) description = HintText(kMetricFocusHint);
  if (c == Control::Stat) description = QStringLiteral("Hints. Click to close the calculator.");
  w->setAccessibleDescription(description);
}

}  // namespace candelor::qt
