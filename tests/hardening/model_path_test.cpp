// Model paths a user can meet: a name too short to cut four characters from, and names with
// spaces and Japanese characters, whose report is cut by characters and lands beside the model.
// (A file gone, or a folder, when it is read is among the model file limits.)
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "messages/message_sink.h"
#include "hardening/hardening_support.h"
#include "run/run_analysis.h"
#include "support/recording_message_sink.h"
#include "support/test_support.h"

namespace {

// Runs in the given working directory and returns to the previous one afterwards.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const std::string& path) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~WorkingDirectory() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

class ModelPath : public testing::Test {
 protected:
  void SetUp() override { SetMessageSink(&messages); }
  void TearDown() override { SetMessageSink(nullptr); }

  ScratchDirectory scratch;
  RecordingMessageSink messages;
};

}  // namespace

TEST_F(ModelPath, AShortNameKeepsItsReportBesideIt) {
  WorkingDirectory here(scratch.path());
  CopyModelFile(ExamplePath("cantilever.txt"), "m.t");
  RunAnalysis(LoadModelFile("m.t"), scratch.work());
  EXPECT_TRUE(FileExists(scratch.File("m.t_res.txt")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path()),
                          std::filesystem::directory_iterator()),
            5) << "the model, its report, the two work files and the trace";
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ModelPath, SpacesAndJapaneseNamesGiveTheSameReportBesideTheModel) {
  CopyModelFile(ExamplePath("portal_frame.txt"), scratch.File("plain.txt"));
  RunAnalysis(LoadModelFile(scratch.File("plain.txt")), scratch.work());
  const std::string plainReport = ReadFileBytes(scratch.File("plain_res.txt"));

  std::filesystem::create_directory(scratch.File("解析 モデル"));
  struct Case {
    const char* model;
    const char* report;
  };
  const Case cases[] = {
      {"解析 モデル/門形 ラーメン.txt", "解析 モデル/門形 ラーメン_res.txt"},
      // No extension: the last four characters go whatever they are.
      {"解析 モデル/門形ラーメン構造", "解析 モデル/門形ラー_res.txt"},
      {"解析 モデル/ 門 形 .ｔｘｔ", "解析 モデル/ 門 形 _res.txt"},
  };
  for (const Case& c : cases) {
    CopyModelFile(ExamplePath("portal_frame.txt"), scratch.File(c.model));
    RunAnalysis(LoadModelFile(scratch.File(c.model)), scratch.work());
    ASSERT_TRUE(FileExists(scratch.File(c.report))) << c.report;
    EXPECT_TRUE(ReadFileBytes(scratch.File(c.report)) == plainReport) << c.report;
  }
}
