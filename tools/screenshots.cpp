// Takes the user guide's screenshots: plays the guide's event scripts on the real window, checked
// against the headless form on the way as in the tests, and saves each picture a script asks for.
//
//   screenshots DIR SCRIPT...
#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <cstdio>

#include "ui/quiet_offscreen.h"
#include "ui/replay.h"

int main(int argc, char** argv) {
  using namespace candelor::qt::replay;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(candelor::testing::QuietOffscreen);
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() < 3) {
    std::fprintf(stderr, "usage: screenshots DIR SCRIPT...\n");
    return 2;
  }
  const QString dir = args[1];
  // The windows as they show on the screen, the main window under the boxes and menus, on a
  // plain desktop cut to them.
  const Camera camera = [&dir](const std::string& name, QWindow* main) {
    QList<QWindow*> windows{main};
    for (QWindow* w : QGuiApplication::topLevelWindows()) {
      if (w != main && w->isVisible() && w->type() != Qt::Desktop) windows << w;
    }
    QRect area;
    for (QWindow* w : windows) area |= w->geometry();
    QImage picture(area.size(), QImage::Format_RGB32);
    picture.fill(QColor(0x3c, 0x4a, 0x5a));
    QPainter painter(&picture);
    QScreen* screen = QGuiApplication::primaryScreen();
    for (QWindow* w : windows) {
      painter.drawPixmap(w->geometry().topLeft() - area.topLeft(), screen->grabWindow(w->winId()));
    }
    painter.end();
    picture.save(dir + QLatin1Char('/') + QString::fromStdString(name) + QStringLiteral(".png"));
  };
  int failed = 0;
  for (int i = 2; i < args.size(); ++i) failed += Run(FromFile(args[i]), camera) ? 0 : 1;
  return failed == 0 ? 0 : 1;
}
