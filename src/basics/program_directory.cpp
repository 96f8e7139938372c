#include "program_directory.h"

#include <climits>
#include <unistd.h>

namespace {

std::string& OverrideDirectory() {
  static std::string directory;
  return directory;
}

}  // namespace

std::string ExecutableDirectory() {
  char path[PATH_MAX + 1];
  const ssize_t length = readlink("/proc/self/exe", path, PATH_MAX);
  if (length <= 0) return ".";
  std::string full(path, static_cast<size_t>(length));
  const size_t slash = full.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return full.substr(0, slash);
}

std::string ProgramDirectory() {
  if (!OverrideDirectory().empty()) return OverrideDirectory();
  static const std::string directory = ExecutableDirectory();
  return directory;
}

std::string ProgramFilePath(std::string_view fileName) {
  std::string directory = ProgramDirectory();
  if (directory.empty() || directory.back() != '/') directory += '/';
  directory += fileName;
  return directory;
}

std::string Work1Path() { return ProgramFilePath("work1.txt"); }
std::string Work2Path() { return ProgramFilePath("work2.txt"); }
std::string TracePath() { return ProgramFilePath("NColes.txt"); }

void SetProgramDirectoryForTests(const std::string& directory) { OverrideDirectory() = directory; }
