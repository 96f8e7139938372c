// femframe-batch in a hostile program directory: a copy of the executable in a scratch
// directory writes its work files there; each blocked output makes it exit with status 1 and
// the message naming the file on standard error, keeps the earlier report, and a later run
// gives the first run's files again. A relative path with spaces and Japanese is made full. A
// file-size limit gives the message with the sizes, not the end by signal; a small disk refuses
// a trace that cannot fit before writing it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "text/number_text.h"
#include "hardening/hardening_support.h"
#include "support/structure_families.h"
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

// A work directory on a small disk (a tmpfs in a mount namespace of the run's own) that holds
// the cantilever's small trace and work2.txt, a block each, when a frame is run there: a trace
// one block larger than the room is refused by the check before it is written, with both sizes;
// room for the trace but not for the new work2.txt beside the earlier one fails at work2.txt,
// saying what it needs and what is free; room for both and the run completes. Skipped where no
// file system can be mounted.
TEST(BatchEnvironment, ASmallDiskRefusesATraceThatCannotFitAndSaysWhatRanOut) {
  ScratchDirectory scratch;
  const BatchCopy batch(scratch, "program");
  const std::string disk = scratch.File("disk");
  std::filesystem::create_directory(disk);
  if (std::system(("unshare --mount --map-root-user mount -t tmpfs tmpfs '" + disk +
                   "' >/dev/null 2>&1").c_str()) != 0) {
    GTEST_SKIP() << "no file system can be mounted here";
  }
  CopyModelFile(ExamplePath("cantilever.txt"), scratch.File("cantilever.txt"));
  WriteFileBytes(scratch.File("frame.txt"), GeneratedFrame(kStructureSizes - 2, 0));
  ASSERT_EQ(batch.Run({"frame.txt"}).status, 0);
  const auto block = static_cast<uint64_t>(sysconf(_SC_PAGESIZE));  // a tmpfs block
  const auto blocks = [&batch, block](const char* name) {
    return (std::filesystem::file_size(batch.File(name)) + block - 1) / block;
  };
  const uint64_t frameBlocks = blocks("work1.txt") + blocks("NColes.txt");
  const uint64_t work2Bytes = std::filesystem::file_size(batch.File("work2.txt"));
  ASSERT_GT(blocks("work2.txt"), 1u);

  struct Case {
    uint64_t blocks;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {frameBlocks + 1, 1,
       "連立方程式の計算過程ファイル NColes.txt を書き込む空き容量が足りません。フォルダー " + disk +
           " に少なくとも " + FormatFileSize(blocks("NColes.txt") * block, SizeRounding::Up) +
           " が必要ですが、空きは " +
           FormatFileSize((blocks("NColes.txt") - 1) * block, SizeRounding::Down) + " です。\n"},
      {frameBlocks + 2, 1,
       "ファイルに書き込めません。" + disk + "/work2.txt\n空き容量が足りません。このファイルには少なくとも " +
           FormatFileSize(work2Bytes, SizeRounding::Up) + " が必要ですが、フォルダー " + disk +
           " の空きは " + FormatFileSize(block, SizeRounding::Down) + " です。\n"},
      {frameBlocks + 1 + blocks("work2.txt"), 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.blocks) + " blocks");
    const BatchResult result = batch.Run(
        {"frame.txt", "--work-dir", disk}, "true",
        "unshare --mount --map-root-user sh -c 'mount -t tmpfs -o size=" +
            std::to_string(c.blocks * block) + " tmpfs " + disk + " && \"$0\" cantilever.txt " +
            "--work-dir " + disk + " >/dev/null && exec \"$0\" \"$@\"'");
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.err, c.message);
  }
}
