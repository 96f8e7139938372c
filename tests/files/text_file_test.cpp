// The text files: CP932 bytes, CR LF line ends, truncation of an earlier file, the errors that
// name the file; and the work directory they go to.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "files/work_directory.h"
#include "messages/run_error.h"
#include "files/text_file.h"
#include "support/test_support.h"

TEST(TextFileWriter, WritesCp932WithCrLfAndTruncates) {
  ScratchDirectory scratch;
  const std::string path = scratch.File("out.txt");
  WriteFileBytes(path, "an older, longer file that must disappear completely\r\n");
  TextFileWriter writer(path);
  writer.WriteLine("x[㎝],\ty[cm]");
  writer.WriteLine("M[㎏･㎝] ■ ＝ θ δ");
  writer.WriteLine("");
  writer.Close();
  EXPECT_EQ(ReadFileBytes(path),
            "x[\x87\x70],\ty[cm]\r\n"
            "M[\x87\x73\xA5\x87\x70] \x81\xA1 \x81\x81 \x83\xC6 \x83\xC2\r\n"
            "\r\n");
}

TEST(TextFileWriter, ACarriageReturnInTheTextIsKept) {
  ScratchDirectory scratch;
  TextFileWriter writer(scratch.File("t.txt"));
  writer.WriteLine("解\r\r");
  writer.Close();
  EXPECT_EQ(ReadFileBytes(scratch.File("t.txt")), "\x89\xF0\r\r\r\n");
}

// A write that fails part-way (here a file-size limit, as a full disk would) is an error naming
// the file, and the earlier file stays whole: the new text replaces it only when complete.
TEST(TextFileWriter, AWriteThatFailsPartWayKeepsTheEarlierFile) {
  ScratchDirectory scratch;
  const std::string path = scratch.File("report.txt");
  WriteFileBytes(path, "the earlier report\r\n");
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = saved;
  limited.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  bool failed = false;
  try {
    TextFileWriter writer(path);
    for (int i = 0; i < 2000; ++i) writer.WriteLine("0.000001.00000");
    writer.Close();
  } catch (const RunError& error) {
    failed = std::string(error.what()).find(path) != std::string::npos;
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_TRUE(failed);
  EXPECT_EQ(ReadFileBytes(path), "the earlier report\r\n");
  for (const auto& entry : std::filesystem::directory_iterator(scratch.path())) {
    EXPECT_EQ(entry.path().filename(), "report.txt") << "left behind";
  }
}

// A link to a regular file is followed and the file it names replaced; a device or a link to
// nowhere is not a file the program writes.
TEST(TextFileWriter, FollowsALinkToAFileAndRefusesADevice) {
  ScratchDirectory scratch;
  WriteFileBytes(scratch.File("real.txt"), "old\r\n");
  std::filesystem::create_symlink(scratch.File("real.txt"), scratch.File("link.txt"));
  TextFileWriter writer(scratch.File("link.txt"));
  writer.WriteLine("new");
  writer.Close();
  EXPECT_EQ(ReadFileBytes(scratch.File("real.txt")), "new\r\n");
  EXPECT_TRUE(std::filesystem::is_symlink(scratch.File("link.txt")));
  std::filesystem::create_symlink(scratch.File("none/x.txt"), scratch.File("dangling.txt"));
  for (const std::string& path : {std::string("/dev/full"), scratch.File("dangling.txt")}) {
    try {
      TextFileWriter refused(path);
      FAIL() << "wrote " << path;
    } catch (const RunError& error) {
      EXPECT_EQ(error.cause(), RunErrorCause::FileCreate);
      EXPECT_NE(std::string(error.what()).find(path), std::string::npos);
    }
  }
}

TEST(TextFileWriter, AFileThatCannotBeCreatedNamesItsPath) {
  ScratchDirectory scratch;
  const std::string path = scratch.File("missing-dir/out.txt");
  try {
    TextFileWriter writer(path);
    FAIL() << "created a file in a missing directory";
  } catch (const RunError& error) {
    EXPECT_EQ(error.cause(), RunErrorCause::FileCreate);
    EXPECT_NE(std::string(error.what()).find(path), std::string::npos);
  }
}

TEST(WorkDirectory, IsTheExecutablesDirectoryInTheBuildTreeUnlessGiven) {
  const WorkDirectory own = ChooseWorkDirectory();
  EXPECT_EQ(own.kind, WorkDirectoryKind::Program);
  EXPECT_TRUE(std::filesystem::exists(own.path + "/files_test"));
  EXPECT_EQ(own.FilePath("work1.txt"), own.path + "/work1.txt");
  EXPECT_EQ(ChooseWorkDirectory("/tmp/given").kind, WorkDirectoryKind::Given);
}
