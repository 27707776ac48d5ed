#include "ui/qt/title_bars.h"

#include <dlfcn.h>
#include <wayland-client-core.h>
#include <wayland-client-protocol.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <QtGlobal>
#include <algorithm>
#include <cstring>
#include <vector>

#include "ui/qt/widgets.h"

namespace candelor::qt {
namespace {

// libwayland-client, as Qt's Wayland platform has already loaded it. Looked up rather than
// linked: on X11 one more linked library slows every symbol the start-up binds.
struct WaylandClient {
  decltype(&wl_display_connect) connect = nullptr;
  decltype(&wl_display_roundtrip) roundtrip = nullptr;
  decltype(&wl_display_disconnect) disconnect = nullptr;
  decltype(&wl_proxy_marshal_flags) marshal = nullptr;
  decltype(&wl_proxy_add_listener) addListener = nullptr;
  decltype(&wl_proxy_destroy) destroy = nullptr;
  const wl_interface* registryInterface = nullptr;

  bool Load() {
    void* lib = dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_NOLOAD);
    if (!lib) return false;
    connect = reinterpret_cast<decltype(connect)>(dlsym(lib, "wl_display_connect"));
    roundtrip = reinterpret_cast<decltype(roundtrip)>(dlsym(lib, "wl_display_roundtrip"));
    disconnect = reinterpret_cast<decltype(disconnect)>(dlsym(lib, "wl_display_disconnect"));
    marshal = reinterpret_cast<decltype(marshal)>(dlsym(lib, "wl_proxy_marshal_flags"));
    addListener = reinterpret_cast<decltype(addListener)>(dlsym(lib, "wl_proxy_add_listener"));
    destroy = reinterpret_cast<decltype(destroy)>(dlsym(lib, "wl_proxy_destroy"));
    registryInterface = static_cast<const wl_interface*>(dlsym(lib, "wl_registry_interface"));
    dlclose(lib);  // Qt holds it loaded
    return connect && roundtrip && disconnect && marshal && addListener && destroy &&
           registryInterface;
  }
};

// The compositor offers server-side title bars (KDE, sway and the other wlroots desktops), and
// Qt asks for them whenever it is offered; weston and GNOME offer none.
bool CompositorDrawsTitleBars() {
  WaylandClient wl;
  if (!wl.Load()) return false;
  wl_display* display = wl.connect(nullptr);
  if (!display) return false;
  bool offered = false;
  static const wl_registry_listener listener = {
      [](void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
        if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0) {
          *static_cast<bool*>(data) = true;
        }
      },
      [](void*, wl_registry*, uint32_t) {},
  };
  auto* registry = wl.marshal(reinterpret_cast<wl_proxy*>(display), WL_DISPLAY_GET_REGISTRY,
                              wl.registryInterface, 1, 0, nullptr);
  bool answered = false;
  if (registry) {
    wl.addListener(registry,
                   reinterpret_cast<void (**)()>(const_cast<wl_registry_listener*>(&listener)),
                   &offered);
    answered = wl.roundtrip(display) >= 0;
    wl.destroy(registry);
  }
  wl.disconnect(display);
  return answered && offered;
}

constexpr int kEdge = 4;  // the frame around a drawn title bar's window, which resizes it

// The edges that a press at `p` of a window of `size` takes: near a corner, both of its edges.
Qt::Edges EdgesAt(QPoint p, QSize size) {
  const int corner = 4 * kEdge;
  Qt::Edges edges;
  if (p.x() < corner) edges |= Qt::LeftEdge;
  if (p.x() >= size.width() - corner) edges |= Qt::RightEdge;
  if (p.y() < corner) edges |= Qt::TopEdge;
  if (p.y() >= size.height() - corner) edges |= Qt::BottomEdge;
  return edges;
}

Qt::CursorShape CursorFor(Qt::Edges edges) {
  if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge)) {
    return Qt::SizeFDiagCursor;
  }
  if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge)) {
    return Qt::SizeBDiagCursor;
  }
  return edges & (Qt::LeftEdge | Qt::RightEdge) ? Qt::SizeHorCursor : Qt::SizeVerCursor;
}

// One side of the frame: its outer line drawn, a press on it resizes the window.
class FrameEdge : public QWidget {
 public:
  FrameEdge(Qt::Edge side, QWidget* window) : QWidget(window), side_(side) {
    setMouseTracking(true);
  }

 protected:
  void mouseMoveEvent(QMouseEvent* e) override { setCursor(CursorFor(EdgesUnder(e))); }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) window()->windowHandle()->startSystemResize(EdgesUnder(e));
  }
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    const QRect r = rect();
    painter.drawLine(side_ == Qt::LeftEdge    ? QLine(r.topLeft(), r.bottomLeft())
                     : side_ == Qt::RightEdge ? QLine(r.topRight(), r.bottomRight())
                     : side_ == Qt::TopEdge   ? QLine(r.topLeft(), r.topRight())
                                              : QLine(r.bottomLeft(), r.bottomRight()));
  }

 private:
  Qt::Edges EdgesUnder(QMouseEvent* e) const {
    return EdgesAt(mapTo(window(), e->position().toPoint()), window()->size());
  }
  Qt::Edge side_;
};

// The title bar the program draws where neither the compositor nor Qt draws one: the window's
// title, the buttons its flags ask for (as a window manager would show them), a drag to move it
// and a double click to maximise it.
class DrawnTitleBar : public QWidget {
 public:
  enum class Button { None, Minimise, Maximise, Close };

  // Made as the window shows, after its children were shown with it; the window grows by the
  // bar and its frame.
  explicit DrawnTitleBar(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("DrawnTitleBar"));
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setFixedHeight(std::max(24, fontMetrics().height() + 10));
    const Qt::WindowFlags flags = window->windowFlags();
    if (flags & Qt::WindowCloseButtonHint) buttons_.push_back(Button::Close);
    if (flags & Qt::WindowMaximizeButtonHint) buttons_.push_back(Button::Maximise);
    if (flags & Qt::WindowMinimizeButtonHint) buttons_.push_back(Button::Minimise);

    const QMargins room(kEdge, kEdge + height(), kEdge, kEdge);
    if (window->layout()) {
      window->setContentsMargins(window->contentsMargins() + room);
    } else {  // controls placed by hand move down by the bar
      for (auto* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != this && !child->isWindow())
          child->move(child->pos() + QPoint(kEdge, room.top()));
      }
    }
    const QSize grown(room.left() + room.right(), room.top() + room.bottom());
    const QSize size = window->size() + grown;  // a larger least size would grow it already
    if (!window->minimumSize().isNull()) window->setMinimumSize(window->minimumSize() + grown);
    window->resize(size);

    for (Qt::Edge side : {Qt::LeftEdge, Qt::RightEdge, Qt::TopEdge, Qt::BottomEdge}) {
      edges_.push_back(new FrameEdge(side, window));
    }
    window->installEventFilter(this);
    Place();
    show();
  }

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    switch (e->type()) {
      case QEvent::Resize:
        Place();
        break;
      case QEvent::WindowStateChange:
        Place();
        update();
        break;
      case QEvent::WindowTitleChange:
      case QEvent::ActivationChange:
        update();
        break;
      default:
        break;
    }
    return false;
  }

  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QPalette::ColorGroup group =
        window()->isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    const QColor face =
        palette().color(group, QPalette::Window).darker(window()->isActiveWindow() ? 115 : 105);
    painter.fillRect(rect(), face);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(rect().bottomLeft(), rect().bottomRight());
    const int side = static_cast<int>(buttons_.size()) * height();
    const QRect titleRect = rect().adjusted(side, 0, -side, -1);
    QString title = window()->windowTitle();
    if (title.isEmpty()) title = QGuiApplication::applicationDisplayName();
    painter.setPen(palette().color(group, QPalette::WindowText));
    painter.drawText(titleRect, Qt::AlignCenter,
                     fontMetrics().elidedText(title, Qt::ElideRight, titleRect.width()));
    painter.setRenderHint(QPainter::Antialiasing);
    for (size_t i = 0; i < buttons_.size(); ++i) {
      const QRect r = ButtonRect(i);
      if (buttons_[i] == pressed_ || buttons_[i] == hovered_) {
        painter.fillRect(r.adjusted(2, 2, -2, -3),
                         face.darker(buttons_[i] == pressed_ ? 140 : 120));
      }
      DrawGlyph(painter, buttons_[i],
                QRectF(0, 0, 9, 9).translated(QRectF(r).center() - QPointF(4.5, 5)));
    }
  }

  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() != Qt::LeftButton) return;
    pressed_ = ButtonAt(e->position().toPoint());
    if (pressed_ == Button::None) {
      window()->windowHandle()->startSystemMove();
    }
    update();
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    const Button released = pressed_;
    pressed_ = Button::None;
    update();
    // Sliding off a button before the release cancels it.
    if (e->button() == Qt::LeftButton && released != Button::None &&
        ButtonAt(e->position().toPoint()) == released) {
      Press(released);
    }
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && ButtonAt(e->position().toPoint()) == Button::None &&
        Offers(Button::Maximise)) {
      Press(Button::Maximise);
    }
  }
  void mouseMoveEvent(QMouseEvent* e) override { Hover(ButtonAt(e->position().toPoint())); }
  void leaveEvent(QEvent*) override { Hover(Button::None); }

 private:
  bool Offers(Button b) const {
    return std::find(buttons_.begin(), buttons_.end(), b) != buttons_.end();
  }

  // Buttons are square, the first at the right.
  QRect ButtonRect(size_t i) const {
    return QRect(width() - static_cast<int>(i + 1) * height(), 0, height(), height());
  }
  Button ButtonAt(QPoint p) const {
    for (size_t i = 0; i < buttons_.size(); ++i) {
      if (ButtonRect(i).contains(p)) return buttons_[i];
    }
    return Button::None;
  }

  void Hover(Button b) {
    if (b == hovered_) return;
    hovered_ = b;
    update();
  }

  void Press(Button b) {
    switch (b) {
      case Button::Minimise:
        window()->showMinimized();
        break;
      case Button::Maximise:
        window()->isMaximized() ? window()->showNormal() : window()->showMaximized();
        break;
      case Button::Close:
        window()->close();
        break;
      case Button::None:
        break;
    }
  }

  void DrawGlyph(QPainter& painter, Button b, QRectF r) const {
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.2));
    switch (b) {
      case Button::Minimise:
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        break;
      case Button::Maximise:
        if (window()->isMaximized()) {
          painter.drawRect(r.adjusted(0, 2.5, -2.5, 0));
          painter.drawPolyline(QPolygonF(
              {r.topLeft() + QPointF(2.5, 2.5), r.topLeft() + QPointF(2.5, 0), r.topRight(),
               r.bottomRight() - QPointF(0, 2.5), r.bottomRight() - QPointF(2.5, 2.5)}));
        } else {
          painter.drawRect(r);
        }
        break;
      case Button::Close:
        painter.drawLine(r.topLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomLeft());
        break;
      case Button::None:
        break;
    }
  }

  // The bar along the top within the frame, the frame's sides around the window; a maximised
  // window has no edge to drag.
  void Place() {
    const QRect all = window()->rect();
    setGeometry(kEdge, kEdge, all.width() - 2 * kEdge, height());
    edges_[0]->setGeometry(0, 0, kEdge, all.height());
    edges_[1]->setGeometry(all.width() - kEdge, 0, kEdge, all.height());
    edges_[2]->setGeometry(0, 0, all.width(), kEdge);
    edges_[3]->setGeometry(0, all.height() - kEdge, all.width(), kEdge);
    for (auto* edge : edges_) {
      edge->setVisible(!window()->isMaximized());
      edge->raise();
    }
    raise();
  }

  std::vector<Button> buttons_;  // from the right
  std::vector<FrameEdge*> edges_;
  Button hovered_ = Button::None;
  Button pressed_ = Button::None;
};

// Gives every window its drawn title bar as it is first shown, before the compositor maps it.
class TitleBarDrawer : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() != QEvent::Show || !o->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(o);
    const Qt::WindowType type = w->windowType();
    if (w->isWindow() && (type == Qt::Window || type == Qt::Dialog) &&
        !(w->windowFlags() & Qt::FramelessWindowHint) &&
        !w->findChild<QWidget*>(QStringLiteral("DrawnTitleBar"), Qt::FindDirectChildrenOnly)) {
      new DrawnTitleBar(w);
    }
    return false;
  }
};

}  // namespace

void ChooseTitleBars() {
  if (CanPlaceWindows()) return;  // the window manager's
  // Qt reads this once, as it makes its first window. Its own title bar would start EGL.
  qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
  if (!CompositorDrawsTitleBars()) qApp->installEventFilter(new TitleBarDrawer(qApp));
}

}  // namespace candelor::qt
