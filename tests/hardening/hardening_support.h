// What the hardening tests share: model files copied where a test wants them, the outputs of a
// run kept as bytes to show that a failed run left them alone, and the things a hostile
// environment puts in a file's place.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

#include <functional>

#include "messages/run_error.h"
#include "support/run_error_of.h"
#include "support/test_support.h"

// Copies the file `source` to `target` and returns `target`.
std::string CopyModelFile(const std::string& source, const std::string& target);

// The model text of the first valid generated frame (support/structure_families.h) at `size`;
// the variant changes its sections.
std::string GeneratedFrame(int size, int variant);

// The bytes of a set of files at one moment; a path where no regular file is holds nullopt.
class OutputSnapshot {
 public:
  explicit OutputSnapshot(const std::vector<std::string>& paths);
  // Fails the test for every file that is not byte for byte as it was, except those in `except`.
  void ExpectUnchanged(const std::vector<std::string>& except = {}) const;

 private:
  std::map<std::string, std::optional<std::string>> files_;
};

// Expects the error's message to hold each of the texts.
void ExpectMessageHolds(const RunError& error, const std::vector<std::string>& texts);

// What is put in place of a file so that writing it fails even for root, whom permission bits
// do not stop: a directory of the file's name, a symbolic link into a directory that does not
// exist, or a link to /dev/full, a device and not a file the program may replace.
enum class Blocker { Directory, DanglingLink, DeviceLink };
const char* BlockerName(Blocker blocker);
void BlockFile(const std::string& path, Blocker blocker);
// Removes whatever is at the path, file, link or directory.
void ClearPath(const std::string& path);

// What a femframe-batch process left: its exit status (-n when signal n ended it) and its
// standard output and error.
struct BatchResult {
  int status = -1;
  std::string out;
  std::string err;
};

// A copy of femframe-batch in a directory of a scratch directory (the scratch directory itself
// by default), so that its own directory is a work directory of the test's.
class BatchCopy {
 public:
  explicit BatchCopy(const ScratchDirectory& scratch, const std::string& directory = "");
  // A file beside the copy.
  std::string File(const std::string& name) const { return directory_ + "/" + name; }
  const std::string& program() const { return program_; }
  // Runs the copy from the scratch directory with the arguments, each quoted, after the shell
  // commands `setup` (limits of the run, its environment), and under `wrapper` when one is given:
  // a command that runs the program and arguments that follow it.
  BatchResult Run(const std::vector<std::string>& arguments, const std::string& setup = "true",
                  const std::string& wrapper = "") const;

 private:
  const ScratchDirectory& scratch_;
  std::string directory_;
  std::string program_;
};

// A run of a program in a process of its own, its standard output and error sent to the files
// `logs`.out and `logs`.err. beforeStart sees the process number before the program starts.
class BatchProcess {
 public:
  BatchProcess(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& logs, const std::function<void(pid_t)>& beforeStart = {});
  pid_t pid() const { return pid_; }
  BatchResult Wait();

 private:
  pid_t pid_ = -1;
  std::string logs_;
};

// A process number that no process has: that of a child that has ended.
pid_t DeadProcessNumber();
// The program's temporary files ("*.femframe-PID.tmp") in a directory.
std::vector<std::string> TemporaryFilesIn(const std::string& directory);
