// Helpers every test folder shares: a scratch directory of its own for the work files, and whole
// files read and written as bytes.
#pragma once

#include <string>

// A fresh, empty directory under the system's temporary directory that the program uses as its
// work directory (work files, trace) while the object lives; removed with its contents afterwards.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// The process's peak resident memory so far, in kB (getrusage).
long PeakResidentKilobytes();
// Path of a file under tests/data or examples/.
std::string TestDataPath(const std::string& name);
std::string ExamplePath(const std::string& name);
