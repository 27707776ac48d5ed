#include "ui/qt/plan_window.h"

#include <QApplication>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "core/text.h"
#include "ui/qt/twips.h"
#include "ui/qt/widgets.h"

namespace candelor::qt {
namespace {

// Room between the room's outline and the drawing's edge, for the dimension chains (above and
// left) and the room's own length and width (below and right).
constexpr int kChainRoom = 40;
constexpr int kSizeRoom = 26;

QString Length(float value, const std::string& unit) {
  return FromUtf8(SingleText(value)) + QLatin1Char(' ') + FromUtf8(unit);
}

QString Tenths(double value) {
  return FromUtf8(FormatFixed(static_cast<float>(value), "0.0"));
}

// A dimension line from a to b (horizontal or vertical) with ticks at both ends and its text
// beside it; the text is turned to run along a vertical line.
void Dimension(QPainter& p, QPointF a, QPointF b, const QString& text) {
  const bool vertical = a.x() == b.x();
  const QPointF tick = vertical ? QPointF(4, 0) : QPointF(0, 4);
  p.drawLine(a, b);
  p.drawLine(a - tick, a + tick);
  p.drawLine(b - tick, b + tick);
  const QFontMetricsF m(p.font());
  const double room = vertical ? b.y() - a.y() : b.x() - a.x();
  if (m.horizontalAdvance(text) + 4 > room) return;  // no room for the figure: the line alone
  p.save();
  p.translate((a + b) / 2);
  if (vertical) p.rotate(-90);
  p.drawText(QRectF(-room / 2, -m.height() - 2, room, m.height()), Qt::AlignCenter, text);
  p.restore();
}

}  // namespace

PlanDrawing::PlanDrawing(QWidget* parent) : QWidget(parent) {
  setMinimumSize(260, 200);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  // Focusable, so that a screen reader user can land on it and hear the grid in words.
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(QStringLiteral("Room plan"));
}

void PlanDrawing::Show(const RoomPlan& plan) {
  plan_ = plan;
  setAccessibleDescription(FromUtf8(plan.description));
  update();
}

void PlanDrawing::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QPalette& pal = palette();
  const QColor ink = pal.color(QPalette::WindowText);
  p.setPen(ink);
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = pal.color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
  }
  if (!plan_.layout) {
    QString text;
    for (const std::string& line : plan_.figures) text += FromUtf8(line) + QLatin1Char('\n');
    p.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, text.trimmed());
    return;
  }

  // The room to scale, as large as the drawing allows.
  const QRectF area = QRectF(rect()).adjusted(kChainRoom, kChainRoom, -kSizeRoom, -kSizeRoom);
  const double scale = std::min(area.width() / plan_.length, area.height() / plan_.width);
  const QSizeF size(plan_.length * scale, plan_.width * scale);
  const QRectF room(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
  p.setBrush(pal.color(QPalette::Base));
  p.drawRect(room);
  p.setBrush(Qt::NoBrush);

  // Its length below it, its width to the right.
  const QFontMetricsF m(p.font());
  p.drawText(QRectF(room.left(), room.bottom() + 4, room.width(), m.height()), Qt::AlignHCenter,
             Length(plan_.length, plan_.lengthUnit));
  p.save();
  p.translate(room.right() + 4 + m.height() / 2, room.center().y());
  p.rotate(90);
  p.drawText(QRectF(-room.height() / 2, -m.height() / 2, room.height(), m.height()),
             Qt::AlignCenter, Length(plan_.width, plan_.lengthUnit));
  p.restore();

  if (!plan_.drawable) {
    p.drawText(room, Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Too many luminaires to draw"));
    return;
  }

  // One symbol at the centre of each cell: a lamp's body along the row.
  const int c = plan_.grid.perRow, r = plan_.grid.rows;
  const double along = room.width() / c, across = room.height() / r;
  const double body = std::clamp(std::min(along, across) * 0.4, 3.0, 28.0);
  const QSizeF symbol(body * 1.6, body * 0.6);
  p.setBrush(pal.color(QPalette::Highlight));
  p.setPen(QPen(ink, 1));
  for (int j = 0; j < r; ++j) {
    for (int i = 0; i < c; ++i) {
      const QPointF centre(room.left() + (i + 0.5) * along, room.top() + (j + 0.5) * across);
      p.drawRect(QRectF(centre - QPointF(symbol.width() / 2, symbol.height() / 2), symbol));
    }
  }
  p.setBrush(Qt::NoBrush);

  // Dimension chains: above the room the wall to the first luminaire and the spacing along;
  // left of it the wall to the first row and the spacing across.
  const double spacingAlong = double(plan_.length) / c, spacingAcross = double(plan_.width) / r;
  const double top = room.top() - 14, left = room.left() - 14;
  const double x0 = room.left(), x1 = x0 + along / 2, x2 = x1 + along;
  Dimension(p, {x0, top}, {x1, top}, Tenths(spacingAlong / 2));
  if (c > 1) Dimension(p, {x1, top}, {x2, top}, Tenths(spacingAlong));
  const double y0 = room.top(), y1 = y0 + across / 2, y2 = y1 + across;
  Dimension(p, {left, y0}, {left, y1}, Tenths(spacingAcross / 2));
  if (r > 1) Dimension(p, {left, y1}, {left, y2}, Tenths(spacingAcross));
  // Thin extension lines from the chains to the first luminaires.
  QPen extension(ink, 0.5, Qt::DotLine);
  p.setPen(extension);
  for (double x : {x1, x2}) {
    if (x == x2 && c == 1) continue;
    p.drawLine(QPointF(x, top), QPointF(x, room.top() + across / 2));
  }
  for (double y : {y1, y2}) {
    if (y == y2 && r == 1) continue;
    p.drawLine(QPointF(left, y), QPointF(room.left() + along / 2, y));
  }
}

PlanWindow::PlanWindow(const Session& session, const QTimer& mainSettling)
    : session_(session), mainSettling_(mainSettling) {
  setWindowTitle(QStringLiteral("Room Plan"));
  setWindowIcon(QApplication::windowIcon());
  setAttribute(Qt::WA_DeleteOnClose);

  drawing_ = new PlanDrawing(this);
  auto* column = new QVBoxLayout;
  for (QLabel*& figure : figures_) {
    figure = new QLabel(this);
    figure->setWordWrap(true);
    figure->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(figure);
  }
  rows_ = new QSpinBox(this);
  auto* rowsLabel = new QLabel(QStringLiteral("&Rows"), this);
  rowsLabel->setBuddy(rows_);
  rows_->setAccessibleName(QStringLiteral("Rows"));
  auto* rowsLine = new QHBoxLayout;
  rowsLine->addWidget(rowsLabel);
  rowsLine->addWidget(rows_, 1);
  column->addLayout(rowsLine);
  column->addStretch(1);
  auto* figuresBox = new QWidget(this);
  figuresBox->setLayout(column);
  figuresBox->setFixedWidth(230);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(drawing_, 1);
  layout->addWidget(figuresBox);
  announcer_ = new Announcer(figuresBox);  // within the window, not a part of it to be read
  resize(640, 380);

  connect(rows_, &QSpinBox::valueChanged, this, [this](int rows) {
    view_.ChooseRows(rows);
    Update();
  });
  pending_.setSingleShot(true);
  pending_.setInterval(0);
  connect(&pending_, &QTimer::timeout, this, [this] { Update(); });
  settle_.setSingleShot(true);
  settle_.setInterval(500);
  connect(&settle_, &QTimer::timeout, this, [this] { Speak(); });
  Update();
  drawing_->setFocus(Qt::OtherFocusReason);
}

void PlanWindow::Refresh() {
  pending_.start();
}

void PlanWindow::Update() {
  const RoomPlan plan = view_.Compute(session_);
  if (plan == shown_) return;                   // nothing changed: nothing repainted, nothing said
  const bool opening = shown_.figures.empty();  // every plan worked out has figures
  shown_ = plan;
  for (std::size_t i = 0; i < figures_.size(); ++i) {
    const bool used = i < plan.figures.size();
    figures_[i]->setText(used ? FromUtf8(plan.figures[i]) : QString());
    figures_[i]->setVisible(used);
  }
  {
    const QSignalBlocker quiet(rows_);
    rows_->setEnabled(plan.layout);
    rows_->setRange(1, std::max(plan.count, 1));
    rows_->setValue(plan.grid.rows);
  }
  drawing_->Show(plan);
  // Opening the window is heard as the window and its focus; changes after it are announced.
  if (!opening) settle_.start();
}

void PlanWindow::Speak() {
  // Only to whoever is in this window, and never over the main window's own announcement.
  if (!isActiveWindow()) return;
  if (mainSettling_.isActive()) return settle_.start();
  announcer_->Say(FromUtf8(shown_.description) + QLatin1Char('.'));
}

void PlanWindow::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      close();
      return;
    default:
      QDialog::keyPressEvent(e);
  }
}

}  // namespace candelor::qt
