#include "ui/window_arguments.h"

#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "files/full_path.h"

namespace {

const char* const kUsage =
    "使い方: femframe [--] [解析モデルファイル]\n"
    "       femframe --help | --version\n";

const char* const kHelp =
    "\n"
    "平面トラス・平面ラーメンの線形静的解析を行うウィンドウを開きます。解析モデルファイルを\n"
    "指定すると、「解析モデル選択」で選んだときと同じように開いて表示します。\n"
    "\n"
    "  F5                  いま開いている解析モデルファイルを読み直して表示し直します。\n"
    "  ファイルのドロップ  ウィンドウにドロップした解析モデルファイルを開きます。\n"
    "\n"
    "解析結果ファイルは解析モデルファイルと同じフォルダーに、作業ファイル (work1.txt, work2.txt,\n"
    "NColes.txt) はプログラムのディレクトリ (書き込めて、インストール先でないとき) か\n"
    "$XDG_STATE_HOME/femframe (既定は ~/.local/state/femframe) に書き出します。\n";

// The value of the toolkit's option "-NAME VALUE" (or "--NAME VALUE"), the last one given, as the
// toolkit reads it; nullptr when there is none.
const char* ToolkitOption(int toolkitArgc, char** argv, const char* name) {
  const char* value = nullptr;
  for (int index = 1; index + 1 < toolkitArgc; ++index) {
    const char* argument = argv[index];
    if (argument[0] != '-') continue;
    if (argument[1] == '-') ++argument;
    if (std::strcmp(argument + 1, name) == 0) value = argv[++index];
  }
  return value;
}

// An X display, connected to and left at once through the library the toolkit's X plugin
// connects with (without it the plugin cannot work either): "" when it answers.
std::string XDisplayProblem(const char* display) {
  if (display == nullptr || *display == '\0') return "環境変数 DISPLAY が設定されていません。";
  bool connected = false;
  if (void* library = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL)) {
    using Connect = void* (*)(const char*, int*);
    using Check = int (*)(void*);
    using Disconnect = void (*)(void*);
    const auto connect = reinterpret_cast<Connect>(dlsym(library, "xcb_connect"));
    const auto hasError = reinterpret_cast<Check>(dlsym(library, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(dlsym(library, "xcb_disconnect"));
    if (connect != nullptr && hasError != nullptr && disconnect != nullptr) {
      void* connection = connect(display, nullptr);  // never null: a failed one has its error
      connected = hasError(connection) == 0;
      disconnect(connection);
    }
    dlclose(library);
  }
  return connected ? "" : "X の画面 " + std::string(display) + " に接続できません。";
}

// A Wayland compositor's socket, where the Wayland client library looks for it: WAYLAND_DISPLAY
// (by default wayland-0), under XDG_RUNTIME_DIR unless it is a full path; "" when it answers.
std::string WaylandDisplayProblem() {
  if (std::getenv("WAYLAND_SOCKET") != nullptr) return "";  // a connection the compositor made
  const char* name = std::getenv("WAYLAND_DISPLAY");
  std::string path = name != nullptr ? name : "wayland-0";
  if (path[0] != '/') {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr) {
      return "環境変数 XDG_RUNTIME_DIR が設定されていないため、Wayland の画面 " + path +
             " に接続できません。";
    }
    path = std::string(runtime) + "/" + path;
  }
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  bool connected = false;
  if (path.size() < sizeof address.sun_path) {
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    connected = socket >= 0 &&
                ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (socket >= 0) close(socket);
  }
  return connected ? "" : "Wayland の画面 " + path + " に接続できません。";
}

}  // namespace

std::optional<std::string> MissingDisplayMessage(int toolkitArgc, char** argv) {
  // The platforms the toolkit tries in turn, as Qt 6.4 lists them: an explicit choice, else
  // Wayland first when the session is one or WAYLAND_DISPLAY is set at all, then X.
  std::string platforms;
  const char* chosen = std::getenv("QT_QPA_PLATFORM");
  if (const char* option = ToolkitOption(toolkitArgc, argv, "platform")) {
    platforms = option;
  } else if (chosen != nullptr && *chosen != '\0') {
    platforms = chosen;
  } else {
    const char* session = std::getenv("XDG_SESSION_TYPE");
    const bool wayland = (session != nullptr && std::strcmp(session, "wayland") == 0) ||
                         std::getenv("WAYLAND_DISPLAY") != nullptr;
    platforms = wayland ? "wayland;xcb" : "xcb";
  }
  std::string problems;
  for (size_t start = 0; start <= platforms.size();) {
    const size_t end = std::min(platforms.find(';', start), platforms.size());
    const std::string entry = platforms.substr(start, end - start);
    const std::string name = entry.substr(0, entry.find(':'));  // "xcb:OPTIONS"
    start = end + 1;
    std::string problem;
    if (name == "xcb") {
      const char* display = ToolkitOption(toolkitArgc, argv, "display");
      problem = XDisplayProblem(display != nullptr ? display : std::getenv("DISPLAY"));
    } else if (name.starts_with("wayland")) {
      problem = WaylandDisplayProblem();
    } else {
      return std::nullopt;  // needs no display, or the toolkit says what is wrong with it
    }
    if (problem.empty()) return std::nullopt;
    if (problems.find(problem) == std::string::npos) problems += problem;
  }
  return "femframe: ウィンドウを表示するには画面 (ディスプレイ) が必要です。" + problems +
         "\n画面のない環境では femframe-batch で解析できます。例: femframe-batch 解析モデル.txt "
         "--images 図\n";
}

std::optional<int> AnswerInformationRequest(int argc, char** argv) {
  for (int index = 1; index < argc && std::strcmp(argv[index], "--") != 0; ++index) {
    if (std::strcmp(argv[index], "--help") == 0) {
      std::printf("%s%s", kUsage, kHelp);
    } else if (std::strcmp(argv[index], "--version") == 0) {
      std::printf("femframe %s\n", FEMFRAME_VERSION);
    } else {
      continue;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  return std::nullopt;
}

ParsedWindowArguments ParseWindowArguments(const std::vector<std::string>& arguments) {
  const auto usageError = [](const std::string& what) {
    return ParsedWindowArguments{std::nullopt, "femframe: " + what};
  };
  WindowArguments parsed;
  std::string model;          // as given, for the message about a second one
  bool optionsEnded = false;  // after "--" an argument names the model, even "-model.txt"
  for (size_t index = 1; index < arguments.size(); ++index) {
    const std::string& argument = arguments[index];
    const bool isOption = !optionsEnded && !argument.empty() && argument[0] == '-';
    if (isOption && argument == "--") {
      optionsEnded = true;
    } else if (isOption) {
      return usageError("不明なオプションです: " + argument);
    } else if (argument.empty()) {
      return usageError("解析モデルファイルのパスが空です");
    } else if (!model.empty()) {
      return usageError("解析モデルファイルが二つ指定されています: " + model + " と " + argument);
    } else {
      model = argument;
      parsed.modelPath = FullPath(argument);
    }
  }
  return {parsed, ""};
}

int ToolkitArgumentCount(int argc, char** argv) {
  for (int index = 1; index < argc; ++index) {
    if (std::strcmp(argv[index], "--") == 0) return index;
  }
  return argc;
}

const char* WindowUsageText() { return kUsage; }
