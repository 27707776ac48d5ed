#include "ui/qt/application.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/main_window.h"
#include "ui/qt/message_box.h"
#include "ui/qt/single_instance.h"
#include "ui/qt/title_bars.h"
#include "ui/qt/twips.h"

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

// A launcher may start us with standard input, output or error closed: the display connection
// or the lock would then take descriptor 2, and every warning would be written into it.
void OpenStandardDescriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // The lowest free descriptor is this one.
    if (open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY) < 0) std::_Exit(1);
  }
}

// A relative runtime directory is invalid and is ignored, as if it were not set: two starts
// from two folders would otherwise each find a lock of their own.
void IgnoreRelativeRuntimeDirectory() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && runtime[0] != '/') unsetenv("XDG_RUNTIME_DIR");
}

// Passes on what was held back, each message once and as Qt would have printed it.
void ReleaseHeldMessages() {
  qInstallMessageHandler(gQtHandler);
  QList<HeldMessage> held;
  held.swap(gHeldBack);
  for (qsizetype i = 0; i < held.size(); ++i) {
    const HeldMessage& m = held[i];
    bool repeated = false;
    for (qsizetype j = 0; j < i && !repeated; ++j) {
      repeated = held[j].type == m.type && held[j].category == m.category && held[j].text == m.text;
    }
    if (repeated) continue;
    // Qt leaves the "default" category unnamed; an empty name would print a bare ": ".
    const char* category = m.category.isEmpty() ? "default" : m.category.constData();
    const QMessageLogContext context(nullptr, 0, nullptr, category);
    qt_message_output(m.type, context, m.text);
  }
}

// Qt 6.4's Wayland connection can deadlock as the application is torn down (its event thread
// waits for a read that the departing main thread never finishes), leaving a process without a
// window that never ends. There the program ends without that teardown: it has nothing to save,
// and the compositor closes the connection.
int Finish(int code) {
  if (!CanPlaceWindows()) {
    std::fflush(nullptr);
    std::_Exit(code);
  }
  return code;
}

}  // namespace

int RunCalculator(int argc, char** argv, const std::function<void(MainWindow&)>& started) {
  OpenStandardDescriptors();
  IgnoreRelativeRuntimeDirectory();
  gQtHandler = qInstallMessageHandler(HoldBackStartUpMessages);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Candelor"));
  QApplication::setDesktopFileName(QStringLiteral("com.tavringroup.Candelor"));
  ChooseTitleBars();
  ApplicationIcon();  // now, so that the "Already running" box carries it too

  // Qt warns of a doubtful runtime directory both as the window system starts and when the lock
  // looks it up: held back until then, the warning is said once.
  SingleInstance instance(QStringLiteral("candelor"));
  ReleaseHeldMessages();
  if (instance.outcome() == SingleInstance::Outcome::AlreadyRunning) {
    const QString exe = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    MessageBox box(QMessageBox::Warning, FromUtf8(kApplicationTitle),
                   exe + QStringLiteral(" Already running "), false, nullptr);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Finish(0);
  }
  if (instance.outcome() == SingleInstance::Outcome::Unavailable) {
    std::fprintf(stderr, "candelor: starting without the single-instance check: %s\n",
                 qPrintable(instance.problem()));
  }

  MainWindow window;
  window.show();
  window.Start();
  if (started) started(window);
  return Finish(QApplication::exec());
}

}  // namespace candelor::qt
