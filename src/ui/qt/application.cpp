#include "ui/qt/application.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/main_window.h"
#include "ui/qt/single_instance.h"

namespace candelor::qt {
namespace {

// Qt's words while the window system starts, held back: when no window can be opened they are
// replaced by one line a user can act on, and Qt's advice to reinstall is never shown.
QtMessageHandler gQtHandler = nullptr;
struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};
QList<HeldMessage> gHeldBack;

QString NoWindowReason() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const QByteArray display = qgetenv("DISPLAY");
  const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
  if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland")) {
    return QStringLiteral(
               "the window system \"%1\" named by QT_QPA_PLATFORM cannot start; "
               "unset QT_QPA_PLATFORM")
        .arg(QString::fromLocal8Bit(platform));
  }
  if (display.isEmpty() && wayland.isEmpty()) {
    return QStringLiteral(
        "no display (DISPLAY and WAYLAND_DISPLAY are not set); "
        "start it from a desktop session");
  }
  return QStringLiteral(
             "cannot connect to the display \"%1\"; "
             "check that the desktop session is running and that DISPLAY names it")
      .arg(QString::fromLocal8Bit(display.isEmpty() ? wayland : display));
}

void HoldBackStartUpMessages(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "candelor: cannot open a window: %s\n", qPrintable(NoWindowReason()));
    std::fflush(stderr);
    std::_Exit(1);  // no core dump: nothing went wrong inside the program
  }
  gHeldBack.append({type, QByteArray(context.category), message});
}

}  // namespace

QIcon ApplicationIcon() {
  if (QApplication::windowIcon().isNull()) {
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/candelor-64.png")));
  }
  return QApplication::windowIcon();
}

int RunCalculator(int argc, char** argv, const std::function<void(MainWindow&)>& started) {
  gQtHandler = qInstallMessageHandler(HoldBackStartUpMessages);
  QApplication app(argc, argv);
  qInstallMessageHandler(gQtHandler);
  for (const HeldMessage& m : std::as_const(gHeldBack)) {
    const QMessageLogContext context(nullptr, 0, nullptr, m.category.constData());
    qt_message_output(m.type, context, m.text);
  }
  gHeldBack.clear();
  QApplication::setApplicationName(QStringLiteral("Candelor"));
  QApplication::setDesktopFileName(QStringLiteral("com.tavringroup.Candelor"));
  ApplicationIcon();  // now, so that the "Already running" box carries it too

  SingleInstance instance(QStringLiteral("candelor"));
  if (instance.outcome() == SingleInstance::Outcome::AlreadyRunning) {
    const QString exe = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("TavrinGroup"),
                    exe + QStringLiteral(" Already running "), QMessageBox::Ok);
    box.exec();
    return 0;
  }
  if (instance.outcome() == SingleInstance::Outcome::Unavailable) {
    std::fprintf(stderr, "candelor: starting without the single-instance check: %s\n",
                 qPrintable(instance.problem()));
  }

  MainWindow window;
  window.show();
  window.Start();
  if (started) started(window);
  return QApplication::exec();
}

}  // namespace candelor::qt
