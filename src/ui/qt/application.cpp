#include "ui/qt/application.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>

#include "ui/qt/main_window.h"
#include "ui/qt/single_instance.h"

namespace candelor::qt {

QIcon ApplicationIcon() {
  if (QApplication::windowIcon().isNull()) {
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/candelor-64.png")));
  }
  return QApplication::windowIcon();
}

int RunCalculator(int argc, char** argv, const std::function<void(MainWindow&)>& started) {
  QApplication app(argc, argv);
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
