#include "work_directory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "full_path.h"
#include "messages/run_error.h"

namespace {

bool IsDirectory(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsWritableDirectory(const std::string& path) {
  return IsDirectory(path) && access(path.c_str(), W_OK | X_OK) == 0;
}

// An environment variable that holds an absolute path; relative ones are ignored, as the
// desktop's base-directory rules ask.
const char* AbsoluteVariable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] == '/' ? value : nullptr;
}

struct DefaultChoice {
  std::string path;  // "" when no directory could be chosen
  WorkDirectoryKind kind;
};

DefaultChoice ChooseDefault() {
  const std::string own = ExecutableDirectory();
  if (!IsInstalledLocation(own) && IsWritableDirectory(own)) return {own, WorkDirectoryKind::Program};
  if (const char* state = AbsoluteVariable("XDG_STATE_HOME")) {
    return {std::string(state) + "/femframe", WorkDirectoryKind::State};
  }
  if (const char* home = AbsoluteVariable("HOME")) {
    return {std::string(home) + "/.local/state/femframe", WorkDirectoryKind::State};
  }
  return {"", WorkDirectoryKind::State};
}

// Chosen once: the program's place and the environment do not change while it runs.
const DefaultChoice& Default() {
  static const DefaultChoice choice = ChooseDefault();
  return choice;
}

RunError WorkDirectoryError(const char* what, const std::string& path) {
  return RunError(RunErrorCause::WorkDirectory, std::string(what) + path);
}

// mkdir -p with mode 0700 for the directories it creates; the first that fails names itself.
void CreateWithParents(const std::string& path) {
  for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string part = path.substr(0, slash);
    if (!part.empty() && mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
      throw WorkDirectoryError(errno == EACCES ? "作業ディレクトリを作成する権限がありません。"
                                               : "作業ディレクトリを作成できません。",
                               part);
    }
    if (slash == std::string::npos) return;
  }
}

}  // namespace

std::string ExecutableDirectory() {
  char path[PATH_MAX + 1];
  const ssize_t length = readlink("/proc/self/exe", path, PATH_MAX);
  if (length <= 0) return ".";
  return DirectoryOf(std::string(path, static_cast<size_t>(length)));
}

bool IsInstalledLocation(const std::string& directory) {
  if (directory == "/usr" || directory.rfind("/usr/", 0) == 0) return true;
  const size_t slash = directory.rfind('/');
  return slash != std::string::npos && directory.substr(slash + 1) == "bin" &&
         IsDirectory(directory.substr(0, slash) + "/share/doc/femframe");
}

WorkDirectory ChooseWorkDirectory(const std::string& given) {
  if (!given.empty()) return {given, WorkDirectoryKind::Given};
  if (Default().path.empty()) {
    throw RunError(RunErrorCause::WorkDirectory,
                   "作業ディレクトリを決められません。環境変数 HOME（または XDG_STATE_HOME）に"
                   "絶対パスが設定されていません。");
  }
  return {Default().path, Default().kind};
}

void PrepareWorkDirectory(const WorkDirectory& work) {
  const std::string& directory = work.path;
  struct stat info {};
  if (stat(directory.c_str(), &info) != 0) {
    if (errno == EACCES) {
      throw WorkDirectoryError("作業ディレクトリにアクセスする権限がありません。", directory);
    }
    if (errno != ENOENT) throw WorkDirectoryError("作業ディレクトリを使えません。", directory);
    CreateWithParents(directory);
  } else if (!S_ISDIR(info.st_mode)) {
    throw WorkDirectoryError("作業ディレクトリがディレクトリではありません。", directory);
  }
  if (!IsWritableDirectory(directory)) {
    throw WorkDirectoryError("作業ディレクトリに書き込めません。", directory);
  }
}

std::string WorkDirectory::FilePath(std::string_view fileName) const {
  std::string file = path;
  if (file.back() != '/') file += '/';
  file += fileName;
  return file;
}
