// Where femframe-batch puts its work files, and the work directories it cannot use: an
// installed copy writes them to the user's state directory (created with mode 0700) and says
// so; a copy in a directory of its own writes them beside itself, or where --work-dir says. No
// HOME, a file where the directory should be, a lock file that is a directory: status 5, a
// message naming the place, and nothing written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "hardening/hardening_support.h"
#include "support/test_support.h"

namespace {

struct Case {
  const char* name;
  bool installed;       // the copy lies in a prefix's bin/ beside its share/doc/femframe/
  std::string setup;    // shell commands; {S} stands for the scratch directory
  std::vector<std::string> options;
  int status;
  std::string err;       // exact, {S} for the scratch directory
  std::string workFiles; // where the work files land; "" for nowhere
};

std::string Expand(std::string text, const std::string& scratch) {
  for (size_t at = text.find("{S}"); at != std::string::npos; at = text.find("{S}", at)) {
    text.replace(at, 3, scratch);
  }
  return text;
}

int ModeOf(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 07777) : -1;
}

}  // namespace

TEST(WorkDirectory, WhereTheWorkFilesGoAndWhenTheDirectoryCannotBeUsed) {
  const std::string state = "{S}/home/.local/state/femframe";
  const std::string home = "export HOME={S}/home; unset XDG_STATE_HOME";
  const Case cases[] = {
      {"installed", true, home, {}, 0, "作業ファイルの保存先: " + state + "\n", state},
      {"installed, XDG_STATE_HOME", true, "export XDG_STATE_HOME={S}/state", {}, 0,
       "作業ファイルの保存先: {S}/state/femframe\n", "{S}/state/femframe"},
      {"own directory", false, home, {}, 0, "", "{S}/bin"},
      {"--work-dir, created", false, home, {"--work-dir", "{S}/new/work"}, 0, "", "{S}/new/work"},
      {"installed, no HOME", true, "unset HOME XDG_STATE_HOME", {}, 5,
       "作業ディレクトリを決められません。環境変数 HOME（または XDG_STATE_HOME）に絶対パスが"
       "設定されていません。\n", ""},
      {"installed, a file in the way", true, home + "; mkdir -p {S}/home/.local/state; "
       "echo x > " + state, {}, 5, "作業ディレクトリがディレクトリではありません。" + state + "\n", ""},
      {"--work-dir a file", false, home, {"--work-dir", "{S}/model.txt"}, 5,
       "作業ディレクトリがディレクトリではありません。{S}/model.txt\n", ""},
      {"lock file a directory", false, "mkdir {S}/bin/femframe.lock", {}, 5,
       "作業ディレクトリのロックファイルがファイルではありません。{S}/bin/femframe.lock\n", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchDirectory scratch;
    const std::string S = scratch.path();
    const BatchCopy batch(scratch, c.installed ? "prefix/bin" : "bin");
    if (c.installed) std::filesystem::create_directories(scratch.File("prefix/share/doc/femframe"));
    const std::string model = CopyModelFile(ExamplePath("cantilever.txt"), scratch.File("model.txt"));
    std::vector<std::string> arguments{model};
    for (const std::string& option : c.options) arguments.push_back(Expand(option, S));

    const BatchResult result = batch.Run(arguments, Expand(c.setup, S));
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.err, Expand(c.err, S));
    const bool analysed = c.status == 0;
    EXPECT_EQ(result.out, analysed ? scratch.File("model_res.txt") + "\n" : "");
    EXPECT_EQ(FileExists(scratch.File("model_res.txt")), analysed);
    const std::string work = Expand(c.workFiles, S);
    for (const char* name : {"work1.txt", "work2.txt", "NColes.txt"}) {
      EXPECT_EQ(FileExists(work + "/" + name), analysed) << name;
      EXPECT_FALSE(FileExists(batch.File(name)) && batch.File(name) != work + "/" + name) << name;
    }
    // The state directory and the parents created for it are the user's alone.
    if (work == Expand(state, S)) {
      for (const char* created : {"/home/.local", "/home/.local/state", "/home/.local/state/femframe"}) {
        EXPECT_EQ(ModeOf(S + created), 0700) << created;
      }
    }
  }
}
