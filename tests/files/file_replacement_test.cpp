// A complete new file taking the name of the earlier one: the name holds the new bytes at once,
// the earlier file loses its name (a reader that has it open keeps reading it), nothing is left
// beside the target, and a target that is missing or not a file is handled as rename would.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "files/file_replacement.h"
#include "support/test_support.h"

namespace {

std::string ReadAll(int fd) {
  std::string bytes;
  char buffer[65536];
  for (ssize_t got; (got = pread(fd, buffer, sizeof buffer, static_cast<off_t>(bytes.size()))) > 0;) {
    bytes.append(buffer, static_cast<size_t>(got));
  }
  return bytes;
}

}  // namespace

// A small file is freed on the spot, a large one (a trace) by a process of its own.
TEST(ReplaceFile, TheNameTakesTheNewFileAndTheEarlierOneGoes) {
  for (const size_t size : {size_t{20}, size_t{17} << 20}) {
    ScratchDirectory scratch;
    const std::string target = scratch.File("NColes.txt");
    const std::string replacement = scratch.File(".NColes.txt.1.tmp");
    const std::string earlier(size, 'e');
    const std::string newer = std::string(size / 2, 'n') + "\r\n";
    WriteFileBytes(target, earlier);
    WriteFileBytes(replacement, newer);
    const int reader = open(target.c_str(), O_RDONLY);
    ASSERT_GE(reader, 0);

    ASSERT_TRUE(ReplaceFile(replacement, target)) << size;
    EXPECT_EQ(ReadFileBytes(target), newer);
    struct stat info {};
    ASSERT_EQ(fstat(reader, &info), 0);
    EXPECT_EQ(info.st_nlink, 0u) << "the earlier file kept a name";
    EXPECT_EQ(ReadAll(reader), earlier);
    close(reader);
    for (const auto& entry : std::filesystem::directory_iterator(scratch.path())) {
      EXPECT_EQ(entry.path().filename(), "NColes.txt") << "left behind";
    }
  }
}

TEST(ReplaceFile, AMissingTargetIsCreatedAndADirectoryIsNotReplaced) {
  ScratchDirectory scratch;
  WriteFileBytes(scratch.File("new.tmp"), "first\r\n");
  ASSERT_TRUE(ReplaceFile(scratch.File("new.tmp"), scratch.File("work1.txt")));
  EXPECT_EQ(ReadFileBytes(scratch.File("work1.txt")), "first\r\n");
  EXPECT_FALSE(FileExists(scratch.File("new.tmp")));

  std::filesystem::create_directory(scratch.File("folder"));
  WriteFileBytes(scratch.File("other.tmp"), "x");
  EXPECT_FALSE(ReplaceFile(scratch.File("other.tmp"), scratch.File("folder")));
  EXPECT_TRUE(std::filesystem::is_directory(scratch.File("folder")));
  EXPECT_EQ(ReadFileBytes(scratch.File("other.tmp")), "x");
}

// Dropping the cached pages of a file on disk, or of one still waiting to be written, or of none
// at all, never changes what it holds.
TEST(ReleaseCachedPages, TheFileStaysWhole) {
  ScratchDirectory scratch;
  const std::string bytes(3 << 20, 'w');
  for (const bool written : {true, false}) {
    const std::string path = scratch.File(written ? "on_disk.txt" : "waiting.txt");
    WriteFileBytes(path, bytes);
    if (written) {
      const int fd = open(path.c_str(), O_RDONLY);
      ASSERT_EQ(fdatasync(fd), 0);
      close(fd);
    }
    ReleaseCachedPages(path);
    EXPECT_EQ(ReadFileBytes(path), bytes) << path;
  }
  ReleaseCachedPages(scratch.File("missing.txt"));
}
