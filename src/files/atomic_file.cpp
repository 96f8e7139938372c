#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "file_replacement.h"
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

}  // namespace

AtomicFile::AtomicFile(const std::string& path)
    : path_(path), targetPath_(TargetOf(path)), tempPath_(TemporaryPathFor(targetPath_)) {
  // On the table before it exists, so a signal from now on removes it.
  slot_ = RegisterTemporary(tempPath_);
  fd_ = open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd_ < 0) {
    ReleaseTemporary(slot_);
    throw FileCreateError(path);
  }
}

AtomicFile::~AtomicFile() {
  if (fd_ < 0) return;
  close(fd_);
  unlink(tempPath_.c_str());
  ReleaseTemporary(slot_);
}

// Gathered writes of up to kMaxPieces pieces, each repeated after a short count until all its
// bytes are in.
void AtomicFile::Write(std::span<const std::string_view> pieces) {
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
      if (written <= 0) throw FileWriteError(path_);
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
  if (!replaced) unlink(tempPath_.c_str());
  ReleaseTemporary(slot_);
  if (!closed) throw FileWriteError(path_);
  if (!replaced) throw FileCreateError(path_);
}
