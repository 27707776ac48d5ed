#include "ui/qt/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace candelor::qt {

SingleInstance::SingleInstance(const QString& name) {
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty() || !QDir().mkpath(dir)) {
    outcome_ = Outcome::Unavailable;
    problem_ = QStringLiteral("no runtime directory for the single-instance lock");
    return;
  }
  lock_ = std::make_unique<QLockFile>(QDir(dir).filePath(name + QStringLiteral(".lock")));
  lock_->setStaleLockTime(0);  // staleness by the holder's process only, never by age
  // A short wait, not none: two starts racing to clear the same stale lock may both fail their
  // first attempt, and then neither would open a window.
  if (lock_->tryLock(1000)) return;
  switch (lock_->error()) {
    case QLockFile::LockFailedError:
      outcome_ = Outcome::AlreadyRunning;
      break;
    case QLockFile::PermissionError:
      outcome_ = Outcome::Unavailable;
      problem_ = QStringLiteral("cannot create the lock file in ") + dir;
      break;
    default:
      outcome_ = Outcome::Unavailable;
      problem_ = QStringLiteral("the lock file in ") + dir + QStringLiteral(" cannot be used");
      break;
  }
}

}  // namespace candelor::qt
