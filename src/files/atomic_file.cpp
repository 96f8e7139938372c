#include "atomic_file.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "file_replacement.h"
#include "full_path.h"
#include "messages/run_error.h"
#include "run_temporaries.h"
#include "temporary_files.h"

namespace {

// The most pieces one writev takes.
constexpr size_t kMaxPieces = IOV_MAX;

// The regular file a path names: a link is followed to its end; a path that names a directory,
// a device or a link to nowhere cannot be written as a file of the program.
std::string TargetOf(const std::string& path) {
  std::string target = path;
  struct stat info {};
  if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) throw FileCreateError(path);
    target = resolved;
    std::free(resolved);
  }
  if (stat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) throw FileCreateError(path);
  return target;
}

// The error of a system call on the file at `path` that failed with `errorNumber`: `error`, which
// names the file, and when the system had no more room for it, the sizes: the bytes the file
// needs at least and the room there was, measured once the temporary file is gone.
RunError Failure(const RunError& error, int errorNumber, const std::string& path,
                 uint64_t neededBytes) {
  const std::string directory = DirectoryOf(path);
  if (errorNumber == ENOSPC) {
    struct statvfs disk {};
    const uint64_t free = statvfs(directory.c_str(), &disk) == 0
                              ? static_cast<uint64_t>(disk.f_bavail) * disk.f_frsize
                              : 0;
    return WithSpaceShortage(error, SpaceLimit::Disk, directory, neededBytes, free);
  }
  if (errorNumber == EDQUOT) {
    return WithSpaceShortage(error, SpaceLimit::Quota, directory, neededBytes, 0);
  }
  if (errorNumber == EFBIG) {
    rlimit limit{};
    const bool limited = getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY;
    return WithSpaceShortage(error, SpaceLimit::FileSize, directory, neededBytes,
                             limited ? static_cast<uint64_t>(limit.rlim_cur) : 0);
  }
  return error;
}

}  // namespace

AtomicFile::AtomicFile(const std::string& path)
    : path_(path), targetPath_(TargetOf(path)), tempPath_(TemporaryPathFor(targetPath_)) {
  // On the table before it exists, so a signal from now on removes it.
  slot_ = RegisterTemporary(tempPath_);
  fd_ = open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd_ < 0) {
    const int failure = errno;
    ReleaseTemporary(slot_);
    throw Failure(FileCreateError(path), failure, targetPath_, 0);
  }
}

AtomicFile::~AtomicFile() { Abandon(); }

void AtomicFile::Abandon() {
  if (fd_ < 0) return;
  close(fd_);
  fd_ = -1;
  unlink(tempPath_.c_str());
  ReleaseTemporary(slot_);
}

// Gathered writes of up to kMaxPieces pieces, each repeated after a short count until all its
// bytes are in.
void AtomicFile::Write(std::span<const std::string_view> pieces) {
  uint64_t neededBytes = bytesWritten_;
  for (const std::string_view piece : pieces) neededBytes += piece.size();
  iovec batch[kMaxPieces];
  for (size_t taken = 0; taken < pieces.size();) {
    size_t count = 0;
    for (; taken < pieces.size() && count < kMaxPieces; ++taken) {
      // writev only reads the pieces; its iovec has no const member.
      if (!pieces[taken].empty()) {
        batch[count++] = {const_cast<char*>(pieces[taken].data()), pieces[taken].size()};
      }
    }
    for (iovec* next = batch; next != batch + count;) {
      const ssize_t written = writev(fd_, next, static_cast<int>(batch + count - next));
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) {
        const int failure = written < 0 ? errno : 0;
        Abandon();
        throw Failure(FileWriteError(path_), failure, targetPath_, neededBytes);
      }
      bytesWritten_ += static_cast<uint64_t>(written);
      for (auto left = static_cast<size_t>(written); left > 0;) {
        const size_t done = std::min(left, next->iov_len);
        next->iov_base = static_cast<char*>(next->iov_base) + done;
        next->iov_len -= done;
        left -= done;
        if (next->iov_len == 0) ++next;
      }
    }
  }
}

void AtomicFile::Commit() {
  if (fd_ < 0) return;
  const int fd = fd_;
  fd_ = -1;
  const bool closed = close(fd) == 0;
  const bool replaced = closed && ReplaceFile(tempPath_, targetPath_);
  const int failure = errno;
  if (!replaced) unlink(tempPath_.c_str());
  ReleaseTemporary(slot_);
  if (!closed) throw Failure(FileWriteError(path_), failure, targetPath_, bytesWritten_);
  if (!replaced) throw Failure(FileCreateError(path_), failure, targetPath_, bytesWritten_);
}

void WriteWholeFile(const std::string& path, std::string_view bytes) {
  AtomicFile file(path);
  file.Write(bytes);
  file.Commit();
}
