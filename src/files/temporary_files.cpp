#include "temporary_files.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <string_view>

#include "text/number_text.h"

namespace {

constexpr std::string_view kMark = ".femframe-";
constexpr std::string_view kEnd = ".tmp";

// The writer's process number in a temporary file's name ".NAME.femframe-PID.tmp", or 0 when the
// name is not one of the program's temporary files.
pid_t WriterOf(std::string_view name) {
  if (name.size() <= kEnd.size() || name[0] != '.' || !name.ends_with(kEnd)) return 0;
  name.remove_suffix(kEnd.size());
  const size_t mark = name.rfind(kMark);
  if (mark == std::string_view::npos || mark < 2) return 0;
  const std::string_view digits = name.substr(mark + kMark.size());
  if (digits.empty() || digits.size() > 9 || digits[0] == '0') return 0;
  pid_t pid = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return 0;
    pid = pid * 10 + (c - '0');
  }
  return pid;
}

// A process we may not signal exists all the same.
bool ProcessExists(pid_t pid) { return kill(pid, 0) == 0 || errno == EPERM; }

}  // namespace

std::string TemporaryPathFor(const std::string& target) {
  const size_t slash = target.rfind('/');
  const std::string directory = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  return directory + "." + name + std::string(kMark) + FormatInteger(getpid()) + std::string(kEnd);
}

std::vector<std::string> RemoveStaleTemporaries(const std::string& directory) {
  std::vector<std::string> removed;
  DIR* listing = opendir(directory.c_str());
  if (listing == nullptr) return removed;
  const std::string prefix = directory.empty() || directory.back() == '/' ? directory : directory + "/";
  while (const dirent* entry = readdir(listing)) {
    const pid_t writer = WriterOf(entry->d_name);
    if (writer == 0 || ProcessExists(writer)) continue;
    const std::string path = prefix + entry->d_name;
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode) && unlink(path.c_str()) == 0) {
      removed.push_back(path);
    }
  }
  closedir(listing);
  return removed;
}
