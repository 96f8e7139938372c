// A file written whole or not at all: the bytes go to a temporary file beside the target, which
// takes the target's name only when complete, so a write that fails part-way (a full disk) or a
// signal (run_temporaries.h) leaves the earlier file as it was. Failures throw RunError; one
// for want of room (a full disk, a quota, a file-size limit) says so with the sizes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class AtomicFile {
 public:
  // Creates the temporary file; throws RunError (FileCreate) when it cannot: the directory is
  // missing or not writable, or the path is taken by something that is not a regular file (a
  // directory, a device, a link to nowhere). A link to a regular file is followed: the file it
  // names is replaced.
  explicit AtomicFile(const std::string& path);
  // Without Commit the temporary file is removed and the target stays as it was.
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Writes the pieces one after the other, gathered into as few system calls as the system
  // allows; throws RunError when they do not all reach the file, and the temporary file is gone.
  void Write(std::span<const std::string_view> pieces);
  void Write(std::string_view bytes) { Write(std::span<const std::string_view>(&bytes, 1)); }
  // Closes the file and puts it in place of the target; throws RunError when the data did not
  // reach the file or the target cannot be replaced.
  void Commit();
  // The bytes in the temporary file so far.
  uint64_t bytesWritten() const { return bytesWritten_; }

 private:
  // Closes and removes the temporary file, once.
  void Abandon();

  std::string path_;
  std::string targetPath_;  // the regular file that is replaced, links followed
  std::string tempPath_;    // the new bytes until Commit
  int fd_ = -1;
  int slot_ = -1;  // the temporary file's place on the run's table
  uint64_t bytesWritten_ = 0;
};

// Writes `bytes` as the whole file at `path` through an AtomicFile: created, written, committed.
void WriteWholeFile(const std::string& path, std::string_view bytes);
