#include "ui/qt/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace candelor::qt {
namespace {

// What stands in the lock's place, in words for the one line on standard error.
std::string Kind(const struct stat& st) {
  if (S_ISLNK(st.st_mode)) return "a symbolic link";
  if (S_ISDIR(st.st_mode)) return "a directory";
  if (S_ISFIFO(st.st_mode)) return "a named pipe";
  if (S_ISSOCK(st.st_mode)) return "a socket";
  if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return "a device";
  if (st.st_uid != geteuid()) return "a file of another user";
  return "a file";
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

// The lock is an advisory lock (flock) on a regular file of ours: the kernel arbitrates between
// simultaneous starts and drops it when the holder ends, however it ends. What the file holds
// does not matter, so an empty, garbage or left-over file is simply taken over. Nothing in the
// lock's place is ever followed or opened for reading: a symbolic link, a pipe or a device is
// swapped out atomically and removed, never written through.
SingleInstance::SingleInstance(const QString& name) {
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty() || !QDir().mkpath(dir)) {
    Unavailable("no runtime directory for the single-instance lock");
    return;
  }
  dir_ = QDir(dir).absolutePath().toStdString();
  path_ = QDir(dir).filePath(name + QStringLiteral(".lock")).toStdString();
  // A few rounds: each one that loses a race to another start sees that start's lock next.
  for (int round = 0; round < 8; ++round) {
    if (Attempt()) return;
  }
  Unavailable("the lock file " + path_ + " keeps changing");
}

SingleInstance::~SingleInstance() {
  if (fd_ >= 0) close(fd_);
}

// Starts that replace what stands at the lock's name take turns, on an advisory lock of the
// runtime directory itself: one start's swap can then never meet another's half-done one.
int SingleInstance::LockDirectory() const {
  const int dir = open(dir_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return -1;
  for (int wait = 0; wait < 200; ++wait) {  // two seconds at most
    if (flock(dir, LOCK_EX | LOCK_NB) == 0) return dir;
    if (errno != EWOULDBLOCK) break;
    usleep(10000);
  }
  close(dir);
  return -1;
}

void SingleInstance::Unavailable(const std::string& why) {
  outcome_ = Outcome::Unavailable;
  problem_ = QString::fromStdString(why);
}

bool SingleInstance::Attempt() {
  const char* path = path_.c_str();
  int fd = open(path, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600);
  struct stat st {};
  if (fd < 0) {
    const int error = errno;
    if (lstat(path, &st) != 0) {
      // Nothing there: either it went away meanwhile (try again) or it cannot be made, and then
      // the reason is the one the system gave (a read-only or full file system, say).
      const bool vanished = errno == ENOENT && (error == ELOOP || error == ENXIO ||
                                                error == EISDIR || error == ENOENT);
      if (vanished) return false;
      Unavailable("cannot create the lock file " + path_ + ": " + std::strerror(error));
      return true;
    }
    if (S_ISREG(st.st_mode) && st.st_uid == geteuid() && error == EACCES) {
      // Our own file without read and write permission: give them back through a handle on
      // that very file, never by its name (which may have been replaced meanwhile).
      int handle = open(path, O_PATH | O_NOFOLLOW | O_CLOEXEC);
      struct stat hs {};
      if (handle >= 0 && fstat(handle, &hs) == 0 && SameFile(hs, st) && S_ISREG(hs.st_mode)) {
        const std::string self = "/proc/self/fd/" + std::to_string(handle);
        if (chmod(self.c_str(), 0600) == 0) fd = open(self.c_str(), O_RDWR | O_CLOEXEC);
      }
      if (handle >= 0) close(handle);
      if (fd < 0) {
        Unavailable("the lock file " + path_ + " cannot be read or written");
        return true;
      }
    } else if (S_ISREG(st.st_mode) && st.st_uid == geteuid()) {
      Unavailable("cannot use the lock file " + path_ + ": " + std::strerror(error));
      return true;
    } else {
      return Replace(Kind(st));
    }
  }
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
    // Opened something that is no lock of ours (a pipe opens at once with O_NONBLOCK).
    close(fd);
    return Replace(Kind(st));
  }
  return Hold(fd, st);
}

bool SingleInstance::Hold(int fd, const struct stat& st) {
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    close(fd);
    if (error == EWOULDBLOCK) {
      outcome_ = Outcome::AlreadyRunning;
      return true;
    }
    Unavailable("cannot lock " + path_ + ": " + std::strerror(error));
    return true;
  }
  // Locked: but is it still the file of that name? Another start may have swapped it out as
  // stale between our open and our lock; then the name holds that start's lock.
  struct stat now {};
  if (lstat(path_.c_str(), &now) != 0 || !SameFile(now, st)) {
    close(fd);
    return false;
  }
  fd_ = fd;
  outcome_ = Outcome::First;
  // For a person who looks: the process that holds the lock.
  const std::string pid = std::to_string(getpid()) + "\n";
  if (ftruncate(fd, 0) == 0) {
    [[maybe_unused]] ssize_t written = pwrite(fd, pid.data(), pid.size(), 0);
  }
  return true;
}

bool SingleInstance::Replace(const std::string& kind) {
  const int dir = LockDirectory();
  if (dir < 0) {
    Unavailable(path_ + " is " + kind +
                " and the runtime directory cannot be locked to replace it");
    return true;
  }
  const bool done = ReplaceInTurn(kind);
  close(dir);  // the turn ends; our lock, if any, now stands at the name
  return done;
}

bool SingleInstance::ReplaceInTurn(const std::string& kind) {
  // Another start may have put its lock there while we waited for our turn: that is no object
  // to replace, and the next round opens it as a lock.
  struct stat now {};
  if (lstat(path_.c_str(), &now) != 0) return false;
  if (S_ISREG(now.st_mode) && now.st_uid == geteuid()) return false;
  // A fresh lock of ours, locked before it takes the name, swapped in atomically: whoever opens
  // the name from then on meets our lock. The old object comes out under our temporary name.
  const std::string temporary = path_ + "." + std::to_string(getpid());
  const char* tmp = temporary.c_str();
  unlink(tmp);
  int fd = open(tmp, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    if (fd >= 0) close(fd);
    unlink(tmp);
    Unavailable(path_ + " is " + kind +
                " and no lock can be made beside it: " + std::strerror(error));
    return true;
  }
  auto giveUp = [&](const std::string& why) {
    close(fd);
    unlink(tmp);
    Unavailable(why);
    return true;
  };
  if (renameat2(AT_FDCWD, tmp, AT_FDCWD, path_.c_str(), RENAME_EXCHANGE) != 0) {
    if (errno == ENOENT) {
      close(fd);
      unlink(tmp);
      return false;  // the object went away meanwhile: try again
    }
    return giveUp(path_ + " is " + kind + " and cannot be replaced: " + std::strerror(errno));
  }
  struct stat old {};
  if (lstat(tmp, &old) != 0) return giveUp("the lock file " + path_ + " vanished");
  if (S_ISREG(old.st_mode) && old.st_uid == geteuid()) {
    // Another start put its lock there first. If that start holds it, it is running: give the
    // name back to it.
    int other = open(tmp, O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    const bool held = other >= 0 && flock(other, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    if (other >= 0) close(other);
    if (held) {
      renameat2(AT_FDCWD, tmp, AT_FDCWD, path_.c_str(), RENAME_EXCHANGE);
      close(fd);
      unlink(tmp);
      outcome_ = Outcome::AlreadyRunning;
      return true;
    }
  }
  // A directory is removed only when empty; one with contents goes back where it was.
  const bool removed = S_ISDIR(old.st_mode) ? rmdir(tmp) == 0 : unlink(tmp) == 0;
  if (!removed) {
    renameat2(AT_FDCWD, tmp, AT_FDCWD, path_.c_str(), RENAME_EXCHANGE);
    return giveUp(path_ + " is " + kind + " that cannot be removed");
  }
  std::fprintf(stderr, "candelor: %s was %s; replaced it with a new lock file\n", path_.c_str(),
               kind.c_str());
  struct stat mine {};
  if (fstat(fd, &mine) != 0) return giveUp("cannot read the new lock file " + path_);
  return Hold(fd, mine);
}

}  // namespace candelor::qt
