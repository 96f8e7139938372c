// A work directory where the work files and the trace cannot be written: each of
// "work1.txt", "NColes.txt" and "work2.txt" blocked on its own (by a directory, a dangling link
// or a full disk, which stop root too) ends the run at its own step with a message naming the
// file, leaves the outputs of the later steps as they were, and the next run works again.
#include <gtest/gtest.h>

#include <filesystem>

#include "hardening/hardening_support.h"
#include "report/report_path.h"
#include "run/run_analysis.h"
#include "run/work_files.h"
#include "support/test_support.h"

namespace {

// An earlier file of a step the failed run must not reach.
const std::string kEarlierOutput = "前回の出力\r\n";

// The outputs in the order a run writes them: "work1.txt", the trace, "work2.txt", the report.
std::vector<std::string> OutputPaths(const WorkDirectory& directory, const Model& model) {
  return {Work1Path(directory), TracePath(directory), Work2Path(directory),
          ReportPath(model.modelPath)};
}

// Whatever blocks a file, the run reports that it could not create it.
constexpr const char* kCannotCreate = "ファイルを作成できません。";

}  // namespace

TEST(BlockedOutput, EachFileStopsTheRunAtItsOwnStepAndTheNextRunRecovers) {
  for (size_t blocked = 0; blocked < 4; ++blocked) {  // each of the four outputs
    for (Blocker blocker : {Blocker::Directory, Blocker::DanglingLink, Blocker::DeviceLink}) {
      ScratchDirectory scratch;
      const Model model = LoadModelFile(
          CopyModelFile(ExamplePath("portal_frame.txt"), scratch.File("門形 ラーメン.txt")));
      const std::vector<std::string> outputs = OutputPaths(scratch.work(), model);
      SCOPED_TRACE(outputs[blocked] + " blocked by a " + BlockerName(blocker));
      RunAnalysis(model, scratch.work());
      const OutputSnapshot goodRun(outputs);

      for (size_t later = blocked + 1; later < outputs.size(); ++later) {
        WriteFileBytes(outputs[later], kEarlierOutput);
      }
      const OutputSnapshot beforeFailure(outputs);
      BlockFile(outputs[blocked], blocker);
      const RunError error = ErrorOf([&] { RunAnalysis(model, scratch.work()); });
      EXPECT_EQ(error.cause(), RunErrorCause::FileCreate);
      ExpectMessageHolds(error, {kCannotCreate + outputs[blocked]});
      // The steps before the blocked one rewrote their files with the same bytes; the later
      // steps never ran.
      beforeFailure.ExpectUnchanged({outputs[blocked]});

      ClearPath(outputs[blocked]);
      RunAnalysis(model, scratch.work());
      goodRun.ExpectUnchanged();
    }
  }
}

TEST(BlockedOutput, AWorkDirectoryThatIsAFileOrMissingStopsTheRunAtWork1) {
  ScratchDirectory scratch;
  const Model model =
      LoadModelFile(CopyModelFile(ExamplePath("cantilever.txt"), scratch.File("cantilever.txt")));
  RunAnalysis(model, scratch.work());
  const OutputSnapshot goodRun(OutputPaths(scratch.work(), model));
  WriteFileBytes(scratch.File("plain file"), "not a directory\r\n");
  for (const std::string& directory :
       {scratch.File("plain file"), scratch.File("plain file/below"), scratch.File("removed/below")}) {
    const RunError error = ErrorOf([&] { RunAnalysis(model, WorkDirectory{directory}); });
    EXPECT_EQ(error.cause(), RunErrorCause::FileCreate);
    ExpectMessageHolds(error, {kCannotCreate + directory + "/work1.txt"});
  }
  goodRun.ExpectUnchanged();
}

TEST(BlockedOutput, AModelFolderRemovedAfterLoadingStopsTheRunAtTheReport) {
  ScratchDirectory scratch;
  std::filesystem::create_directory(scratch.File("models"));
  const Model model =
      LoadModelFile(CopyModelFile(ExamplePath("simple_truss.txt"), scratch.File("models/truss.txt")));
  RunAnalysis(model, scratch.work());
  const std::vector<std::string> outputs = OutputPaths(scratch.work(), model);
  const OutputSnapshot goodRun(outputs);
  ClearPath(scratch.File("models"));

  const RunError error = ErrorOf([&] { RunAnalysis(model, scratch.work()); });
  EXPECT_EQ(error.cause(), RunErrorCause::FileCreate);
  ExpectMessageHolds(error, {kCannotCreate + outputs[3]});
  goodRun.ExpectUnchanged({outputs[3]});

  std::filesystem::create_directory(scratch.File("models"));
  RunAnalysis(model, scratch.work());
  goodRun.ExpectUnchanged();
}
