#include "run_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/full_path.h"
#include "messages/run_error.h"
#include "files/temporary_files.h"
#include "work_files.h"

namespace {

RunError LockFileError(const char* what, const std::string& path) {
  return RunError(RunErrorCause::WorkDirectory, std::string(what) + path);
}

// The lock file, created when missing. Opened for reading, which flock needs no more than, and
// without following a link or waiting on a pipe; anything but a regular file is refused.
int OpenLockFile(const std::string& path) {
  const int fd =
      open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
  if (fd < 0 && errno != EISDIR) throw LockFileError("作業ディレクトリのロックファイルを開けません。", path);
  struct stat info {};
  if (fd < 0 || fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    if (fd >= 0) close(fd);
    throw LockFileError("作業ディレクトリのロックファイルがファイルではありません。", path);
  }
  return fd;
}

bool Lock(int fd, int operation) {
  int result;
  do {
    result = flock(fd, operation);
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

}  // namespace

RunLock::RunLock(const WorkDirectory& directory, const std::string& modelPath, WhenBusy whenBusy,
                 const std::function<void()>& beforeWaiting) {
  PrepareWorkDirectory(directory);
  const std::string path = RunLockPath(directory);
  const int fd = OpenLockFile(path);
  if (!Lock(fd, LOCK_EX | LOCK_NB)) {
    const bool busy = errno == EWOULDBLOCK;
    if (busy && whenBusy == WhenBusy::GiveUp) {
      close(fd);
      return;
    }
    if (busy && beforeWaiting) beforeWaiting();
    if (!busy || !Lock(fd, LOCK_EX)) {
      close(fd);
      throw LockFileError("作業ディレクトリのロックファイルをロックできません。", path);
    }
  }
  // Held from here on; a failure before the constructor ends lets the lock go with the file.
  try {
    removed_ = RemoveStaleTemporaries(directory.path);
    // The report is written beside the model file.
    const std::string reportDirectory = modelPath.empty() ? "" : DirectoryOf(modelPath);
    if (!reportDirectory.empty() && reportDirectory != directory.path) {
      for (std::string& stale : RemoveStaleTemporaries(reportDirectory)) removed_.push_back(stale);
    }
  } catch (...) {
    close(fd);
    throw;
  }
  fd_ = fd;
}

RunLock::~RunLock() {
  if (fd_ >= 0) close(fd_);
}
