// femframe-batch in a hostile program directory: a copy of the executable in a scratch
// directory writes its work files there; each blocked output makes it exit with status 1 and
// the message naming the file on standard error, keeps the earlier report, and a later run
// gives the first run's files again. A relative path with spaces and Japanese is made full. A
// file-size limit gives the message with the sizes, not the end by signal.
#include <gtest/gtest.h>

#include <filesystem>

#include "hardening/hardening_support.h"
#include "support/test_support.h"


TEST(BatchEnvironment, EachBlockedOutputFailsWithItsFileNamedAndALaterRunRecovers) {
  ScratchDirectory scratch;
  const BatchCopy batch(scratch);
  std::filesystem::create_directory(scratch.File("解析 モデル"));
  CopyModelFile(ExamplePath("two_bay_frame.txt"), scratch.File("解析 モデル/二 スパン.txt"));
  const std::string report = scratch.File("解析 モデル/二 スパン_res.txt");

  const BatchResult first = batch.Run({"解析 モデル/二 スパン.txt"});
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.out, report + "\n");
  const std::vector<std::string> outputs{batch.File("work1.txt"), batch.File("NColes.txt"),
                                         batch.File("work2.txt"), report};
  const OutputSnapshot goodRun(outputs);

  struct Case {
    std::string path;
    Blocker blocker;
    const char* message;
  };
  const Case cases[] = {
      {batch.File("work1.txt"), Blocker::Directory, "ファイルを作成できません。"},
      {batch.File("NColes.txt"), Blocker::DeviceLink, "ファイルを作成できません。"},
      {batch.File("work2.txt"), Blocker::DanglingLink, "ファイルを作成できません。"},
      {report, Blocker::Directory, "ファイルを作成できません。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path + " blocked by a " + BlockerName(c.blocker));
    BlockFile(c.path, c.blocker);
    const BatchResult failed = batch.Run({"解析 モデル/二 スパン.txt"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(failed.err, c.message + c.path + "\n");
    // Same model, so the files of the steps before the blocked one are rewritten identically.
    goodRun.ExpectUnchanged({c.path});
    ClearPath(c.path);
  }
  const BatchResult again = batch.Run({"解析 モデル/二 スパン.txt"});
  EXPECT_EQ(again.status, 0) << again.err;
  goodRun.ExpectUnchanged();
}

// With files limited to one block of the shell's ulimit (512 or 1024 bytes) the cantilever's
// work1.txt (254 bytes) fits and its trace (1306 bytes) does not: the run stops there, saying
// what the trace needs and the limit, and the earlier run's trace, work2.txt and report are
// untouched, the trace too, since a new file replaces the old one only when it is complete.
TEST(BatchEnvironment, AFileSizeLimitStopsTheRunWithTheFileNamed) {
  ScratchDirectory scratch;
  const BatchCopy batch(scratch);
  CopyModelFile(ExamplePath("cantilever.txt"), scratch.File("cantilever.txt"));
  ASSERT_EQ(batch.Run({"cantilever.txt"}).status, 0);
  const OutputSnapshot goodRun({batch.File("work1.txt"), batch.File("NColes.txt"),
                                batch.File("work2.txt"), scratch.File("cantilever_res.txt")});

  const BatchResult limited = batch.Run({"cantilever.txt"}, "ulimit -f 1");
  EXPECT_EQ(limited.status, 1);
  EXPECT_TRUE(limited.err.starts_with(
      "ファイルに書き込めません。" + batch.File("NColes.txt") +
      "\nファイルの大きさの上限を超えます。このファイルには少なくとも 1306 バイト が必要です。上限は "))
      << limited.err;
  EXPECT_TRUE(limited.err.ends_with("は 512 バイト です。\n") ||
              limited.err.ends_with("は 1024 バイト です。\n"))
      << limited.err;
  goodRun.ExpectUnchanged();
  for (const auto& entry : std::filesystem::directory_iterator(batch.File("."))) {
    EXPECT_NE(entry.path().extension(), ".tmp") << "left behind: " << entry.path();
  }

  EXPECT_EQ(batch.Run({"cantilever.txt"}).status, 0);
  goodRun.ExpectUnchanged();
}
