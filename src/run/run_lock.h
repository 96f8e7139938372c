// The lock a run holds on its work directory while it writes its work files and its report, so
// two processes never interleave their work files. Taking it also
// removes the temporary files that runs killed outright left behind.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "files/work_directory.h"

enum class WhenBusy { Wait, GiveUp };

class RunLock {
 public:
  // Prepares the work directory and locks its "femframe.lock" file. When another process holds
  // it: with Wait, beforeWaiting is called once and the lock is awaited; with GiveUp nothing is
  // held. Throws RunError (WorkDirectory) naming the directory or the lock file when they cannot
  // be used. Once held, removes the temporaries of processes that no longer exist from the work
  // directory and from beside the report of the model file at `modelPath`.
  RunLock(const WorkDirectory& directory, const std::string& modelPath, WhenBusy whenBusy,
          const std::function<void()>& beforeWaiting = {});
  ~RunLock();
  RunLock(const RunLock&) = delete;
  RunLock& operator=(const RunLock&) = delete;

  bool held() const { return fd_ >= 0; }
  // The stale temporary files removed when the lock was taken.
  const std::vector<std::string>& removedTemporaries() const { return removed_; }

 private:
  int fd_ = -1;
  std::vector<std::string> removed_;
};
