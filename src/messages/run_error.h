// The one error type of an analysis run. Any step that cannot complete throws it with a
// Japanese message that names the cause and the place (file, member, node, direction);
// the window and the batch front end show that message and keep the user's files.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

enum class RunErrorCause {
  Arithmetic,        // division by zero, overflow, invalid operation, 16-bit overflow
  ZeroPivot,         // singular system: a degree of freedom left free without stiffness
  ZeroLengthMember,  // both ends of a member at the same point
  TooManyNodes,      // the degree-of-freedom count does not fit 16 bits
  OutOfMemory,       // the matrices of the model would not fit in memory
  FileCreate,        // a file could not be created or written
  FileRead,          // a file could not be opened or held too few numbers
  ReportPath,        // the model path has no file name to derive the report name from
  WorkDirectory,     // the work directory or its lock file cannot be used
  Cancelled,         // the user asked the run to stop
};

class RunError : public std::runtime_error {
 public:
  RunError(RunErrorCause cause, const std::string& message)
      : std::runtime_error(message), cause_(cause) {}
  RunErrorCause cause() const { return cause_; }

 private:
  RunErrorCause cause_;
};

// Errors about one file, with its full path in the message.
RunError FileCreateError(const std::string& path);
RunError FileWriteError(const std::string& path);
RunError FileReadError(const std::string& path);
RunError FileTooShortError(const std::string& path);

// What left a file without room: the disk (ENOSPC), the user's share of it (EDQUOT), or the
// largest file allowed (EFBIG: the process's file-size limit or the file system's).
enum class SpaceLimit { Disk, Quota, FileSize };
// `error`, which names the file, with a second line that says the limit was reached: the bytes
// the file needs at least (0: not known) and the room there was: for the disk the free space of
// `directory`, for the file size the limit (0: not known).
RunError WithSpaceShortage(const RunError& error, SpaceLimit limit, const std::string& directory,
                           uint64_t neededBytes, uint64_t roomBytes);
