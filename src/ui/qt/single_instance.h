#pragma once

#include <QString>
#include <string>

struct stat;

namespace candelor::qt {

// The single-instance lock, kept in the user's own runtime directory for the life of the
// process. Only a live calculator holds it: a lock left by a run that ended in any way, or
// anything else found in its place, is taken over without being trusted or followed.
class SingleInstance {
 public:
  enum class Outcome { First, AlreadyRunning, Unavailable };

  explicit SingleInstance(const QString& name);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  Outcome outcome() const { return outcome_; }
  // Why the lock could not be used, when the outcome is Unavailable.
  QString problem() const { return problem_; }

 private:
  // One try at taking the lock; false when a race with another start calls for another try.
  bool Attempt();
  bool Hold(int fd, const struct stat& st);
  bool Replace(const std::string& kind);
  bool ReplaceInTurn(const std::string& kind);
  int LockDirectory() const;
  void Unavailable(const std::string& why);

  std::string dir_;
  std::string path_;
  int fd_ = -1;
  Outcome outcome_ = Outcome::First;
  QString problem_;
};

}  // namespace candelor::qt
