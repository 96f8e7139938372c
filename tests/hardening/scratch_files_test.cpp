// A work directory where the work files and the trace cannot be written: each of
// "work1.txt", "NColes.txt" and "work2.txt" blocked on its own (by a directory, a dangling link
// or a full disk, which stop root too) ends the run at its own step with a message naming the
// file, leaves the outputs of the later steps as they were, and the next run works again.
#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/work_files.h"
#include "basics/work_directory.h"
#include "hardening/hardening_support.h"
#include "run/run_analysis.h"
#include "support/test_support.h"

namespace {

// An earlier file of a step the failed run must not reach.
const std::string kEarlierOutput = "前回の出力\r\n";

struct StepFile {
  const char* name;
  std::string (*path)();
};

// The outputs in the order a run writes them.
const StepFile kOutputs[] = {
    {"work1.txt", Work1Path},
    {"NColes.txt", TracePath},
    {"work2.txt", Work2Path},
    {"report", ReportOfLoadedModel},
};

std::vector<std::string> OutputPaths() {
  std::vector<std::string> paths;
  for (const StepFile& output : kOutputs) paths.push_back(output.path());
  return paths;
}

// Whatever blocks a file, the run reports that it could not create it.
constexpr const char* kCannotCreate = "ファイルを作成できません。";

}  // namespace

TEST(BlockedOutput, EachFileStopsTheRunAtItsOwnStepAndTheNextRunRecovers) {
  for (size_t blocked = 0; blocked < std::size(kOutputs); ++blocked) {
    for (Blocker blocker : {Blocker::Directory, Blocker::DanglingLink, Blocker::DeviceLink}) {
      SCOPED_TRACE(std::string(kOutputs[blocked].name) + " blocked by a " + BlockerName(blocker));
      ScratchDirectory scratch;
      LoadModel(CopyModelFile(ExamplePath("portal_frame.txt"), scratch.File("門形 ラーメン.txt")));
      RunAnalysis();
      const OutputSnapshot goodRun(OutputPaths());

      const std::string blockedPath = kOutputs[blocked].path();
      for (size_t later = blocked + 1; later < std::size(kOutputs); ++later) {
        WriteFileBytes(kOutputs[later].path(), kEarlierOutput);
      }
      const OutputSnapshot beforeFailure(OutputPaths());
      BlockFile(blockedPath, blocker);
      const RunError error = ErrorOf([] { RunAnalysis(); });
      EXPECT_EQ(error.cause(), RunErrorCause::FileCreate);
      ExpectMessageHolds(error, {kCannotCreate + blockedPath});
      // The steps before the blocked one rewrote their files with the same bytes; the later
      // steps never ran.
      beforeFailure.ExpectUnchanged({blockedPath});

      ClearPath(blockedPath);
      RunAnalysis();
      goodRun.ExpectUnchanged();
    }
  }
}

TEST(BlockedOutput, AWorkDirectoryThatIsAFileOrMissingStopsTheRunAtWork1) {
  ScratchDirectory scratch;
  LoadModel(CopyModelFile(ExamplePath("cantilever.txt"), scratch.File("cantilever.txt")));
  RunAnalysis();
  const OutputSnapshot goodRun(OutputPaths());
  WriteFileBytes(scratch.File("plain file"), "not a directory\r\n");
  for (const std::string& directory :
       {scratch.File("plain file"), scratch.File("plain file/below"), scratch.File("removed/below")}) {
    SetWorkDirectory(directory);
    const RunError error = ErrorOf([] { RunAnalysis(); });
    EXPECT_EQ(error.cause(), RunErrorCause::FileCreate);
    ExpectMessageHolds(error, {"ファイルを作成できません。" + directory + "/work1.txt"});
  }
  SetWorkDirectory(scratch.path());
  goodRun.ExpectUnchanged();
  RunAnalysis();
  goodRun.ExpectUnchanged();
}

TEST(BlockedOutput, AModelFolderRemovedAfterLoadingStopsTheRunAtTheReport) {
  ScratchDirectory scratch;
  std::filesystem::create_directory(scratch.File("models"));
  LoadModel(CopyModelFile(ExamplePath("simple_truss.txt"), scratch.File("models/truss.txt")));
  RunAnalysis();
  const OutputSnapshot goodRun(OutputPaths());
  const std::string report = ReportOfLoadedModel();
  ClearPath(scratch.File("models"));

  const RunError error = ErrorOf([] { RunAnalysis(); });
  EXPECT_EQ(error.cause(), RunErrorCause::FileCreate);
  ExpectMessageHolds(error, {"ファイルを作成できません。" + report});
  goodRun.ExpectUnchanged({report});

  std::filesystem::create_directory(scratch.File("models"));
  RunAnalysis();
  goodRun.ExpectUnchanged();
}
