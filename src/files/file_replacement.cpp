#include "file_replacement.h"

#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace {

// An earlier file at least this large is freed in the background. Freeing takes the kernel about
// 0.15 s a gigabyte of cached pages and up to 0.45 s when the blocks were already on disk (it
// discards them as it frees them); starting the process that does it costs about a millisecond.
constexpr off_t kBackgroundFreeBytes = off_t{16} << 20;

// Closes the last descriptor of a file that has lost its name, which frees its pages and blocks,
// in a grandchild process: the run goes on and the program may end meanwhile. The child exits at
// once and is waited for here; the grandchild, an orphan, is reaped by the system. It closes every
// other descriptor first, so that a reader of the program's output sees its end when the program
// ends, and it is born with every signal blocked, so that none of the program's handlers runs in
// it (Ctrl-C reaches the whole process group). If a process cannot be started, the descriptor
// closes here and the freeing waits for it.
void CloseInBackground(int fd) {
  sigset_t all, previous;
  sigfillset(&all);
  pthread_sigmask(SIG_SETMASK, &all, &previous);
  const pid_t child = fork();
  if (child == 0) {
    // Only calls that are safe in the child of a process with threads.
    if (fork() == 0) {
      if (fd > 0) close_range(0, static_cast<unsigned>(fd) - 1, 0);
      close_range(static_cast<unsigned>(fd) + 1, ~0U, 0);
      close(fd);
    }
    _exit(0);
  }
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  close(fd);
  if (child > 0) {
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
  }
}

// The earlier file, swapped to `path`, loses that name now, so the name is free again at once;
// its storage goes when its last descriptor closes.
void RemoveEarlierFile(const std::string& path) {
  const int fd = open(path.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
  unlink(path.c_str());
  if (fd < 0) return;
  struct stat info {};
  if (fstat(fd, &info) == 0 && info.st_nlink == 0 && info.st_size >= kBackgroundFreeBytes) {
    CloseInBackground(fd);
  } else {
    close(fd);
  }
}

// The kernel's count of a file's cached pages, those waiting to be written and those being
// written (cachestat, Linux 6.5); the C library has no wrapper for it yet.
struct CacheStatRange {
  uint64_t offset = 0;
  uint64_t length = 0;  // 0: to the end of the file
};
struct CacheStat {
  uint64_t cached = 0;
  uint64_t dirty = 0;
  uint64_t writeback = 0;
  uint64_t evicted = 0;
  uint64_t recentlyEvicted = 0;
};
constexpr long kCacheStatCall = 451;

// At most one cached page in sixteen still to be written: dropping the rest costs no writing.
bool MostlyWritten(int fd) {
  CacheStatRange range;
  CacheStat stat;
  if (syscall(kCacheStatCall, fd, &range, &stat, 0) != 0) return false;
  return stat.cached > 0 && (stat.dirty + stat.writeback) * 16 <= stat.cached;
}

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

// Replacing by rename has two costs the swap avoids: ext4 writes the new file's data out before
// it renames over an existing file, and the earlier file is freed inside the rename.
bool ReplaceFile(const std::string& replacement, const std::string& target) {
  if (IsRegularFile(target) && renameat2(AT_FDCWD, replacement.c_str(), AT_FDCWD, target.c_str(),
                                         RENAME_EXCHANGE) == 0) {
    RemoveEarlierFile(replacement);
    return true;
  }
  return rename(replacement.c_str(), target.c_str()) == 0;
}

void ReleaseCachedPages(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  if (MostlyWritten(fd)) posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
  close(fd);
}
