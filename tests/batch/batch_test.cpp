// femframe-batch as a user runs it: the report's path on standard output and exit status 0 for
// a good model; the reader's, the check's or the run's message on standard error and the exit
// status of its kind otherwise, with no report left behind unless the analysis completed; the
// progress line on a terminal; --help, --version and the usage errors of both programs, and the
// window without a display.
#include <gtest/gtest.h>

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "support/test_support.h"

namespace {

struct BatchResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs a command line from the scratch directory: its exit status and what it wrote.
BatchResult RunCommand(const ScratchDirectory& scratch, const std::string& command) {
  const std::string out = scratch.File("stdout.txt");
  const std::string err = scratch.File("stderr.txt");
  const int raw = std::system(
      ("cd '" + scratch.path() + "' && " + command + " >'" + out + "' 2>'" + err + "'").c_str());
  BatchResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadFileBytes(out);
  result.err = ReadFileBytes(err);
  return result;
}

// Runs the batch from the scratch directory, the arguments as the shell reads them.
BatchResult RunBatch(const ScratchDirectory& scratch, const std::string& arguments,
                     const std::string& batch = FEMFRAME_BATCH) {
  return RunCommand(scratch, "'" + batch + "' " + arguments);
}

#ifdef FEMFRAME_WINDOW
// The window program's command line with no display but what `environment` gives it (VAR=VALUE
// assignments, or a command such as xvfb-run that runs it).
std::string WindowCommand(const std::string& environment, const std::string& arguments) {
  return "env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u XDG_SESSION_TYPE -u "
         "QT_QPA_PLATFORM " + environment + " '" FEMFRAME_WINDOW "' " + arguments;
}
#endif

// Copies a model of tests/data (by default of its analysis folder) into the scratch directory
// under `name`.
std::string CopyModel(const ScratchDirectory& scratch, const std::string& source,
                      const std::string& name) {
  const std::string path = scratch.File(name);
  const std::string data = source.find('/') == std::string::npos ? "analysis/" + source : source;
  WriteFileBytes(path, ReadFileBytes(TestDataPath(data)));
  return path;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Runs the batch with a terminal for standard output and error: what the terminal received
// (its line ends CR LF) and the exit status.
BatchResult RunBatchOnTerminal(const std::vector<std::string>& arguments) {
  std::vector<char*> argv{const_cast<char*>(FEMFRAME_BATCH)};
  for (const std::string& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);
  int terminal = -1;
  const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
  if (pid == 0) {
    execv(argv[0], argv.data());
    _exit(127);
  }
  BatchResult result;
  if (pid < 0) return result;
  char buffer[4096];
  for (ssize_t got; (got = read(terminal, buffer, sizeof buffer)) > 0;) {
    result.out.append(buffer, static_cast<size_t>(got));
  }
  close(terminal);
  int raw = 0;
  waitpid(pid, &raw, 0);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

}  // namespace

TEST(Batch, AnalysesTheModelAndPrintsTheReportPath) {
  ScratchDirectory scratch;
  const std::string model = CopyModel(scratch, "cantilever.txt", "片持ち梁.txt");
  const BatchResult result = RunBatch(scratch, "'" + model + "'");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, scratch.File("片持ち梁_res.txt") + "\n");
  EXPECT_EQ(result.err, "");
  const std::string report = ReadFileBytes(scratch.File("片持ち梁_res.txt"));
  EXPECT_TRUE(Contains(report, "2,\t0.00000,\t-10.71429,\t-0.05357\r\n"));
  // "--" ends the options, so a name that starts with "-" is the model's.
  std::filesystem::rename(model, scratch.File("-片持ち梁.txt"));
  const BatchResult dashed = RunBatch(scratch, "-- -片持ち梁.txt");
  EXPECT_EQ(dashed.status, 0) << dashed.err;
  EXPECT_EQ(dashed.out, scratch.File("-片持ち梁_res.txt") + "\n");
}

// --no-trace analyses as without it but leaves no trace: not a new one, nor an earlier one that
// would belong to another model.
TEST(Batch, WithoutTheTraceTheWorkDirectoryHoldsNone) {
  ScratchDirectory scratch;
  const std::string model = CopyModel(scratch, "cantilever.txt", "model.txt");
  const std::string work = scratch.File("work");
  ASSERT_EQ(RunBatch(scratch, "model.txt --work-dir work").status, 0);
  const std::string report = ReadFileBytes(scratch.File("model_res.txt"));
  ASSERT_TRUE(FileExists(work + "/NColes.txt"));
  const BatchResult result = RunBatch(scratch, "model.txt --work-dir work --no-trace");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_FALSE(FileExists(work + "/NColes.txt"));
  EXPECT_TRUE(FileExists(work + "/work2.txt"));
  EXPECT_EQ(ReadFileBytes(scratch.File("model_res.txt")), report);
}

TEST(Batch, FailuresGoToStandardErrorWithTheirExitStatusAndNoReport) {
  struct Case {
    const char* model;  // nullptr: no file at the path given
    const char* message;
    int status;         // 3: the model is rejected, 1: the analysis fails
  };
  const Case cases[] = {
      {nullptr, "解析モデルファイルの読み込みに失敗しました。データに不正がないか確認してください。\n「", 3},
      {"not_a_model.txt", "ファイルタイプが不正です。本ソフト用のファイルであるか確認してください。\n1行目は", 3},
      {"bad_reference.txt", "部材データ定義において指定された節点データがありません。部材No＝1\n", 3},
      {"truss_free_rotation.txt", "節点No＝3 の θ 方向", 1},
      {"zero_length_member.txt", "部材No＝5", 1},
      // The support the count leaves out is warned of; without it the beam is a mechanism.
      {"miscounted_support_beam.txt", "最初は18行目で、全部で1行です。", 1},
  };
  for (const Case& c : cases) {
    ScratchDirectory scratch;
    const std::string model =
        c.model != nullptr ? CopyModel(scratch, c.model, "model.txt") : scratch.File("model.txt");
    const BatchResult result = RunBatch(scratch, model);
    EXPECT_EQ(result.status, c.status) << model;
    EXPECT_EQ(result.out, "") << model;
    EXPECT_TRUE(Contains(result.err, c.message)) << model << ": " << result.err;
    EXPECT_FALSE(FileExists(scratch.File("model_res.txt"))) << model;
  }
}

// Lines after the support table only warn; an output that cannot be written after a completed
// analysis has its own status, and the report and the other outputs (pictures, PDF) are written.
TEST(Batch, AWarningKeepsSuccessAndAnOutputFailureKeepsTheReport) {
  ScratchDirectory scratch;
  const std::string model = CopyModel(scratch, "model/supports_beyond_count.txt", "model.txt");
  const BatchResult warned = RunBatch(scratch, model);
  EXPECT_EQ(warned.status, 0);
  EXPECT_EQ(warned.out, scratch.File("model_res.txt") + "\n");
  EXPECT_EQ(warned.err,
            "支点表の後ろに、支点のデータのように読める行があります（読み込んでいません）。\n"
            "最初は16行目で、全部で2行です。件数の行の支点数が少なすぎないか確認してください。\n");

  const std::string cantilever = CopyModel(scratch, "cantilever.txt", "cantilever.txt");
  const BatchResult failed =
      RunBatch(scratch, cantilever + " --geometry '" + scratch.File("no dir/geometry.json") +
                            "' --images " + scratch.File("pictures") + " --pdf " +
                            scratch.File("paper.pdf"));
  EXPECT_EQ(failed.status, 4);
  EXPECT_TRUE(Contains(failed.err, scratch.File("no dir/geometry.json"))) << failed.err;
  EXPECT_TRUE(FileExists(scratch.File("cantilever_res.txt")));
  // The report's path is printed and the pictures are saved all the same.
  EXPECT_EQ(failed.out, scratch.File("cantilever_res.txt") + "\n");
  EXPECT_TRUE(FileExists(scratch.File("pictures/Ｍ図.png")));
  EXPECT_TRUE(ReadFileBytes(scratch.File("paper.pdf")).starts_with("%PDF-"));
}

// A usage error names what is wrong, with the argument at fault, before the usage, exit status
// 2 and no report: a missing, empty or second model file (after "--" an option's name is a model
// file), an unknown option, an option without its value or given twice. The window (on a
// platform that needs no display) the same.
TEST(Batch, WrongArgumentsAreNamedBeforeTheUsage) {
  ScratchDirectory scratch;
  const std::string model = CopyModel(scratch, "cantilever.txt", "model.txt");
  const std::string batch = std::string("'") + FEMFRAME_BATCH + "' ";
  struct Case {
    std::string command;
    std::string said;  // the first line of standard error, then the usage
  };
  std::vector<Case> cases = {
      {batch, "femframe-batch: 解析モデルファイルが指定されていません"},
      {batch + "--verbose " + model, "femframe-batch: 不明なオプションです: --verbose"},
      {batch + model + " " + model,
       "femframe-batch: 解析モデルファイルが二つ指定されています: " + model + " と " + model},
      {batch + model + " ''", "femframe-batch: 解析モデルファイルのパスが空です"},
      {batch + model + " --geometry", "femframe-batch: --geometry には出力先のファイルを指定してください"},
      {batch + model + " --images ''", "femframe-batch: --images には出力先のフォルダーを指定してください"},
      {batch + model + " --images a --images b", "femframe-batch: --images が二度指定されています"},
      {batch + model + " --work-dir", "femframe-batch: --work-dir には作業ディレクトリを指定してください"},
      {batch + model + " --results", "femframe-batch: --results には出力先のファイルを指定してください"},
      {batch + model + " --pdf a.pdf --pdf b.pdf", "femframe-batch: --pdf が二度指定されています"},
      {batch + model + " --no-trace --no-trace", "femframe-batch: --no-trace が二度指定されています"},
      {batch + "--", "femframe-batch: 解析モデルファイルが指定されていません"},
      {batch + "-- " + model + " --geometry",
       "femframe-batch: 解析モデルファイルが二つ指定されています: " + model + " と --geometry"},
  };
#ifdef FEMFRAME_WINDOW
  const std::string offscreen = "QT_QPA_PLATFORM=offscreen";
  cases.push_back({WindowCommand(offscreen, "--verbose"), "femframe: 不明なオプションです: --verbose"});
  cases.push_back({WindowCommand(offscreen, "-- a.txt --"),
                   "femframe: 解析モデルファイルが二つ指定されています: a.txt と --"});
  cases.push_back({WindowCommand(offscreen, "''"), "femframe: 解析モデルファイルのパスが空です"});
#endif
  for (const Case& c : cases) {
    const BatchResult result = RunCommand(scratch, c.command);
    const std::string program = c.said.substr(0, c.said.find(':'));
    EXPECT_EQ(result.status, 2) << c.command;
    EXPECT_TRUE(Contains(result.err, c.said + "\n使い方: " + program + " ")) << result.err;
    EXPECT_FALSE(FileExists(scratch.File("model_res.txt"))) << c.command;
  }
}

#ifdef FEMFRAME_WINDOW
// Without a display the window says that it needs one and why there is none, and points to the
// batch, with exit status 1 and not the toolkit's abort. The platforms tried are those the
// toolkit would try: -platform before QT_QPA_PLATFORM before Wayland when the session is one and
// X (-display before DISPLAY). A platform that needs no display, a list that falls back to one,
// and a real X display pass the check and reach the usage error.
TEST(Batch, TheWindowWithoutADisplayPointsToTheBatch) {
  ScratchDirectory scratch;
  const std::string noX = "環境変数 DISPLAY が設定されていません。";
  const std::string runtime = "XDG_RUNTIME_DIR='" + scratch.path() + "' ";
  struct Case {
    std::string environment;
    std::string arguments;
    std::string reason;  // "": the display can be used
  };
  std::vector<Case> cases = {
      {"", "model.txt", noX},
      {"QT_QPA_PLATFORM=xcb XDG_SESSION_TYPE=wayland", "", noX},
      {"DISPLAY=:4711", "", "X の画面 :4711 に接続できません。"},
      {runtime + "XDG_SESSION_TYPE=wayland", "",
       "Wayland の画面 " + scratch.File("wayland-0") + " に接続できません。" + noX},
      {runtime + "WAYLAND_DISPLAY=w DISPLAY=:4711", "",
       "Wayland の画面 " + scratch.File("w") + " に接続できません。X の画面 :4711 に接続できません。"},
      {"QT_QPA_PLATFORM=offscreen DISPLAY=:4711", "-platform xcb -display :4712",
       "X の画面 :4712 に接続できません。"},
      {"QT_QPA_PLATFORM=offscreen", "--bogus", ""},
      {"QT_QPA_PLATFORM='xcb;minimal'", "--bogus", ""},
      {"", "-platform offscreen --bogus", ""},
  };
  if (std::system("command -v xvfb-run >/dev/null") == 0) cases.push_back({"xvfb-run -a", "--bogus", ""});
  for (const Case& c : cases) {
    const BatchResult result = RunCommand(scratch, WindowCommand(c.environment, c.arguments));
    SCOPED_TRACE(c.environment + " femframe " + c.arguments + ": " + result.err);
    EXPECT_EQ(result.out, "");
    if (c.reason.empty()) {
      // xvfb-run's own status takes the program's place when it fails to clean up after it
      // ("xvfb-run: error: problem while cleaning up temporary directory").
      if (!Contains(result.err, "xvfb-run: error")) {
        EXPECT_EQ(result.status, 2);
      }
      EXPECT_TRUE(Contains(result.err, "femframe: 不明なオプションです: --bogus\n"));
    } else {
      EXPECT_EQ(result.status, 1);
      EXPECT_EQ(result.err, "femframe: ウィンドウを表示するには画面 (ディスプレイ) が必要です。" +
                                c.reason +
                                "\n画面のない環境では femframe-batch で解析できます。例: "
                                "femframe-batch 解析モデル.txt --images 図\n");
    }
  }
}
#endif

TEST(Batch, WritesTheGeometryAndTheFivePictures) {
  ScratchDirectory scratch;
  const std::string model = CopyModel(scratch, "cantilever.txt", "model.txt");
  std::string arguments = model + " --geometry '" + scratch.File("geometry.json") + "'";
#ifdef FEMFRAME_BATCH_HAS_PICTURES
  arguments += " --images '" + scratch.File("new dir/pictures") + "'";
#endif
  const BatchResult result = RunBatch(scratch, arguments);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, scratch.File("model_res.txt") + "\n");
  const std::string json = ReadFileBytes(scratch.File("geometry.json"));
  // The cantilever on the window's picture: a flat model is fitted as a square, so the height
  // limits: DrawScale = 4812 / 300 = 16.04, OffsetX = round(500.4 + (5004 - 4812) / 2) = 596,
  // OffsetY = round(481.2) = 481, and node 2 lies at 596 + round(300 x 16.04) = 5408.
  EXPECT_TRUE(Contains(json, "\"MemberLines\": [\n    [596, 481, 5408, 481]\n  ]")) << json;
  EXPECT_TRUE(Contains(json, "\"2\": \"変位最大値 [㎝]\\r     10.71429\"")) << json;
  EXPECT_TRUE(Contains(json, "\"3\": \"Ｍ最大値 [t･m]\\r     3.00000\"")) << json;
#ifdef FEMFRAME_BATCH_HAS_PICTURES
  for (const char* picture : {"解析モデル", "δ図", "Ｍ図", "Ｑ図", "Ｎ図"}) {
    const std::string png = ReadFileBytes(scratch.File("new dir/pictures/") + picture + ".png");
    EXPECT_EQ(png.substr(1, 3), "PNG") << picture;
  }
#endif
}

// The window's answers need no display.
TEST(Batch, HelpAndVersionAnswerOnStandardOutput) {
  ScratchDirectory scratch;
  const std::string batch = std::string("'") + FEMFRAME_BATCH + "' ";
  struct Case {
    std::string command;
    std::vector<std::string> said;  // each on standard output
  };
  std::vector<Case> cases = {
      {batch + "--version", {std::string("femframe-batch ") + FEMFRAME_VERSION + "\n"}},
      // The options, where the work files go, and the exit codes 0 to 5 and 128 + n.
      {batch + "model.txt --help",
       {"使い方: femframe-batch", "--geometry", "--images", "--pdf", "--results", "--work-dir", "~/.local/state/femframe",
        "\n  0 ", "\n  1 ", "\n  2 ", "\n  3 ", "\n  4 ", "\n  5 ", "\n  128+n "}},
  };
#ifdef FEMFRAME_WINDOW
  cases.push_back({WindowCommand("", "--help"), {"使い方: femframe ", "F5"}});
  cases.push_back({WindowCommand("", "--version"), {std::string("femframe ") + FEMFRAME_VERSION + "\n"}});
#endif
  for (const Case& c : cases) {
    const BatchResult result = RunCommand(scratch, c.command);
    EXPECT_EQ(result.status, 0) << c.command;
    EXPECT_EQ(result.err, "") << c.command;
    for (const std::string& part : c.said) EXPECT_TRUE(Contains(result.out, part)) << part << " in " << result.out;
  }
}

// The results file of each example and of a portal frame with scrambled user numbers, byte for
// byte; the results tests hold their reactions, maxima and equilibrium to closed forms.
TEST(Batch, WritesTheResultsOfEachExample) {
  for (const std::string model : {"examples/cantilever", "examples/portal_frame",
                                  "examples/pulled_portal", "examples/simple_truss",
                                  "examples/two_bay_frame", "results/scrambled_portal"}) {
    ScratchDirectory scratch;
    const std::string name = model.substr(model.find('/') + 1);
    WriteFileBytes(scratch.File("model.txt"),
                   ReadFileBytes(model.starts_with("examples/") ? ExamplePath(name + ".txt")
                                                                : TestDataPath(model + ".txt")));
    const BatchResult result =
        RunBatch(scratch, scratch.File("model.txt") + " --results " + scratch.File("r.json"));
    EXPECT_EQ(result.status, 0) << model << ": " << result.err;
    EXPECT_EQ(ReadFileBytes(scratch.File("r.json")),
              ReadFileBytes(TestDataPath("results/expected/" + name + ".json")))
        << model;
  }
}

// A failed run writes no results and keeps an earlier file; a results file that cannot be
// written is said on standard error with status 4, while the report of the run stands.
TEST(Batch, ResultsFileOnlyAfterASuccessfulRun) {
  ScratchDirectory scratch;
  WriteFileBytes(scratch.File("r.json"), "earlier");
  const std::string failing = CopyModel(scratch, "truss_free_rotation.txt", "model.txt");
  BatchResult result = RunBatch(scratch, failing + " --results " + scratch.File("r.json"));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(ReadFileBytes(scratch.File("r.json")), "earlier");

  const std::string good = CopyModel(scratch, "cantilever.txt", "model.txt");
  const std::string blocked = scratch.File("no such folder/r.json");
  result = RunBatch(scratch, good + " --results '" + blocked + "'");
  EXPECT_EQ(result.status, 4);
  EXPECT_EQ(result.out, scratch.File("model_res.txt") + "\n");
  EXPECT_EQ(result.err, "解析は完了しましたが、結果ファイル (--results) を書き出せません。\n"
                        "ファイルを作成できません。" + blocked + "\n");
  EXPECT_TRUE(FileExists(scratch.File("model_res.txt")));
}

// Without its picture module beside it or in the installed library folder, the batch analyses as
// usual and then says which module --images needs and where it looked.
TEST(Batch, PicturesWithoutTheModuleNameTheModuleAndWhereItWasLookedFor) {
  ScratchDirectory scratch;
  const std::string model = CopyModel(scratch, "cantilever.txt", "model.txt");
  const std::string batch = scratch.File("femframe-batch");
  std::filesystem::copy_file(FEMFRAME_BATCH, batch);
  const BatchResult result = RunBatch(scratch, model + " --images " + scratch.File("pictures"), batch);
  EXPECT_EQ(result.status, 4);
  EXPECT_TRUE(Contains(result.err, "画像出力モジュール femframe-pictures.so を読み込めないため、"
                                   "図を保存できません。\n探した場所: " +
                                       scratch.File("femframe-pictures.so") + "、"))
      << result.err;
  EXPECT_TRUE(FileExists(scratch.File("model_res.txt")));
}

// On a terminal the run shows its step, and in the long steps the percent done, on one line that
// is rewritten in place and cleared before the report's path or the run's message.
TEST(Batch, ATerminalShowsTheStepsOnOneLineClearedBeforeAnythingElse) {
  ScratchDirectory scratch;
  const std::string good = CopyModel(scratch, "cantilever.txt", "good.txt");
  const BatchResult done = RunBatchOnTerminal({good});
  EXPECT_EQ(done.status, 0);
  EXPECT_TRUE(done.out.starts_with("\r剛性行列の作成\033[K\r荷重の設定\033[K")) << done.out;
  EXPECT_TRUE(Contains(done.out, "\r連立方程式の分解\033[K\r連立方程式の分解  "));
  EXPECT_TRUE(done.out.ends_with("\r結果ファイルの書き出し\033[K\r\033[K" +
                                 scratch.File("good_res.txt") + "\r\n"));

  const std::string free = CopyModel(scratch, "rollers_only_frame.txt", "free.txt");
  const BatchResult refused = RunBatchOnTerminal({free});
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(Contains(refused.out, "\r構造の安定の確認  83%\033[K\r\033[K連立方程式が解けません"))
      << refused.out;
}
