// femframe-batch as a user runs it: the report's path on standard output and exit status 0 for
// a good model; the reader's, the check's or the run's message on standard error and a non-zero
// status otherwise, with no report left behind.
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
    const char* message;
  };
  const Case cases[] = {
      {nullptr, "解析モデルファイルの読み込みに失敗しました。"},
      {"not_a_model.txt", "ファイルタイプが不正です。本ソフト用のファイルであるか確認してください。"},
      {"bad_reference.txt", "部材データ定義において指定された節点データがありません。部材No＝1"},
      {"truss_free_rotation.txt", "節点No＝3 の θ 方向"},
      {"zero_length_member.txt", "部材No＝5"},
  };
  for (const Case& c : cases) {
    ScratchDirectory scratch;
    const std::string model =
        c.model != nullptr ? CopyModel(scratch, c.model, "model.txt") : scratch.File("model.txt");
    const BatchResult result = RunBatch(scratch, model);
    EXPECT_EQ(result.status, 1) << model;
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
        model + " --images", model + " --images a --images b", model + " --results"}) {
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
