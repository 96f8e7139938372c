// Helpers every test folder shares: a scratch directory of its own for the work files, reading a
// model file as the front ends do, and whole files read and written as bytes.
#pragma once

#include <string>

#include "files/work_directory.h"
#include "model/model.h"

// A fresh, empty directory under the system's temporary directory, for a run's work files
// (work()) or anything else a test writes; removed with its contents afterwards.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  const std::string& path() const { return path_; }
  // The directory as a run's work directory.
  WorkDirectory work() const { return {path_, WorkDirectoryKind::Given}; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// The model file read and its references resolved, as the front ends do; a file that fails
// either throws std::runtime_error (the messages go to the message sink in use).
Model LoadModelFile(const std::string& path);

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// The process's peak resident memory so far, in kB (getrusage).
long PeakResidentKilobytes();
// Path of a file under tests/data or examples/.
std::string TestDataPath(const std::string& name);
std::string ExamplePath(const std::string& name);
