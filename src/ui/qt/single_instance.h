#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace candelor::qt {

// The single-instance lock, kept in the user's own runtime directory for the life of the
// process. A lock left by a crashed run is recognised as stale and taken over.
class SingleInstance {
 public:
  enum class Outcome { First, AlreadyRunning, Unavailable };

  explicit SingleInstance(const QString& name);
  Outcome outcome() const { return outcome_; }
  // Why the lock could not be used, when the outcome is Unavailable.
  QString problem() const { return problem_; }

 private:
  std::unique_ptr<QLockFile> lock_;
  Outcome outcome_ = Outcome::First;
  QString problem_;
};

}  // namespace candelor::qt
