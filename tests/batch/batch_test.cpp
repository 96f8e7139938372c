// femframe-batch as a user runs it: the report's path on standard output and exit status 0 for
// a good model; the reader's, the check's or the run's message on standard error and its exit
// code otherwise, with no report left behind; --help and --version of both programs.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "support/test_support.h"

namespace {

struct BatchResult {
  int status = -1;
  std::string out;
  std::string err;
};

BatchResult RunBatch(const ScratchDirectory& scratch, const std::string& arguments) {
  const std::string out = scratch.File("stdout.txt");
  const std::string err = scratch.File("stderr.txt");
  const std::string command =
      std::string("'") + FEMFRAME_BATCH + "' " + arguments + " >'" + out + "' 2>'" + err + "'";
  const int raw = std::system(command.c_str());
  BatchResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadFileBytes(out);
  result.err = ReadFileBytes(err);
  return result;
}

// Copies a model of tests/data/analysis into the scratch directory under `name`.
std::string CopyModel(const ScratchDirectory& scratch, const std::string& source,
                      const std::string& name) {
  const std::string path = scratch.File(name);
  WriteFileBytes(path, ReadFileBytes(TestDataPath("analysis/" + source)));
  return path;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
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
}

TEST(Batch, ModelFailuresGoToStandardErrorWithoutAReport) {
  struct Case {
    const char* model;  // nullptr: no file at the path given
    int status;         // 3: the model is rejected, 1: the analysis fails
    const char* message;
  };
  const Case cases[] = {
      {nullptr, 3, "解析モデルファイルの読み込みに失敗しました。"},
      {"not_a_model.txt", 3, "ファイルタイプが不正です。本ソフト用のファイルであるか確認してください。"},
      {"bad_reference.txt", 3, "部材データ定義において指定された節点データがありません。部材No＝1"},
      {"truss_free_rotation.txt", 1, "節点No＝3 の θ 方向"},
      {"zero_length_member.txt", 1, "部材No＝5"},
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

// A missing or extra model file, an unknown option, an option without its value or given twice.
TEST(Batch, WrongArgumentsShowTheUsage) {
  ScratchDirectory scratch;
  const std::string model = CopyModel(scratch, "cantilever.txt", "model.txt");
  for (const std::string& arguments :
       {std::string(""), "--verbose " + model, model + " " + model, model + " --geometry",
        model + " --images", model + " --images a --images b", model + " --work-dir"}) {
    const BatchResult result = RunBatch(scratch, arguments);
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_TRUE(Contains(result.err, "使い方: femframe-batch")) << arguments;
    EXPECT_FALSE(FileExists(scratch.File("model_res.txt"))) << arguments;
  }
}

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

TEST(Batch, HelpAndVersionAnswerOnStandardOutput) {
  ScratchDirectory scratch;
  struct Case {
    std::string command;
    std::vector<std::string> said;  // each on standard output
  };
  std::vector<Case> cases = {
      {"--version", {std::string("femframe-batch ") + FEMFRAME_VERSION + "\n"}},
      // The options, where the work files go, and the exit codes 0 to 5 and 128 + n.
      {"model.txt --help",
       {"使い方: femframe-batch", "--geometry", "--images", "--work-dir", "~/.local/state/femframe",
        "\n  0 ", "\n  1 ", "\n  2 ", "\n  3 ", "\n  4 ", "\n  5 ", "\n  128+n "}},
  };
#ifdef FEMFRAME_WINDOW
  cases.push_back({std::string("'") + FEMFRAME_WINDOW + "' --help", {"使い方: femframe ", "F5"}});
  cases.push_back({std::string("'") + FEMFRAME_WINDOW + "' --version",
                   {std::string("femframe ") + FEMFRAME_VERSION + "\n"}});
#endif
  for (const Case& c : cases) {
    const bool window = c.command[0] == '\'';
    const std::string out = scratch.File("stdout.txt"), err = scratch.File("stderr.txt");
    const int raw = std::system(((window ? "" : std::string("'") + FEMFRAME_BATCH + "' ") +
                                 c.command + " >'" + out + "' 2>'" + err + "'").c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << c.command;
    EXPECT_EQ(ReadFileBytes(err), "") << c.command;
    const std::string said = ReadFileBytes(out);
    for (const std::string& part : c.said) EXPECT_TRUE(Contains(said, part)) << part << " in " << said;
  }
}
