// The accessible interfaces of the main window's own widgets: its boxes and its voice.

#include <QAccessibleWidget>
#include <QLineEdit>
#include <utility>

#include "ui/qt/main_window.h"
#include "ui/qt/twips.h"
#include "ui/qt/voice.h"

namespace candelor::qt {
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

// The box WriteUnheard is writing; its text events are not passed on.
QObject* gQuietBox = nullptr;
QAccessible::UpdateHandler gScreenReader = nullptr;

void TellScreenReader(QAccessibleEvent* event) {
  switch (event->type()) {
    case QAccessible::TextCaretMoved:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextSelectionChanged:
    case QAccessible::ValueChanged:
      if (event->object() == gQuietBox) return;
      break;
    default:
      break;
  }
  if (gScreenReader) return gScreenReader(event);
  // Qt's own delivery, reached by standing aside for this one event.
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(TellScreenReader);
}

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
    gScreenReader = QAccessible::installUpdateHandler(TellScreenReader);
    return true;
  }();
  (void)installed;
}

void WriteUnheard(BoxEdit* box, const QString& text) {
  QObject* outer = std::exchange(gQuietBox, box);
  box->WriteText(text);
  gQuietBox = outer;
}

}  // namespace candelor::qt
