#include "hardening/hardening_support.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "support/structure_families.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

std::string CopyModelFile(const std::string& source, const std::string& target) {
  WriteFileBytes(target, ReadFileBytes(source));
  return target;
}

std::string GeneratedFrame(int size, int variant) {
  for (const StructureGenerator& generator : StructureGenerators()) {
    if (generator.family == StructureFamily::Valid) {
      return generator.modelText(size, variant, false);
    }
  }
  return "";
}

OutputSnapshot::OutputSnapshot(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    std::error_code ignored;
    if (fs::is_regular_file(path, ignored)) {
      files_[path] = ReadFileBytes(path);
    } else {
      files_[path] = std::nullopt;
    }
  }
}

void OutputSnapshot::ExpectUnchanged(const std::vector<std::string>& except) const {
  for (const auto& [path, bytes] : files_) {
    bool skipped = false;
    for (const std::string& other : except) skipped = skipped || other == path;
    if (skipped) continue;
    std::error_code ignored;
    if (!bytes) {
      EXPECT_FALSE(fs::is_regular_file(path, ignored)) << path << " appeared";
      continue;
    }
    ASSERT_TRUE(fs::is_regular_file(path, ignored)) << path << " is gone";
    // Compared by size and equality so that a mismatch of a large trace does not print it all.
    const std::string now = ReadFileBytes(path);
    EXPECT_EQ(now.size(), bytes->size()) << path;
    EXPECT_TRUE(now == *bytes) << path << " changed";
  }
}

void ExpectMessageHolds(const RunError& error, const std::vector<std::string>& texts) {
  const std::string message = error.what();
  for (const std::string& text : texts) {
    EXPECT_NE(message.find(text), std::string::npos) << "「" << text << "」 not in: " << message;
  }
}

const char* BlockerName(Blocker blocker) {
  switch (blocker) {
    case Blocker::Directory: return "directory";
    case Blocker::DanglingLink: return "dangling link";
    case Blocker::DeviceLink: return "link to a device";
  }
  return "?";
}

void BlockFile(const std::string& path, Blocker blocker) {
  ClearPath(path);
  switch (blocker) {
    case Blocker::Directory:
      fs::create_directory(path);
      break;
    case Blocker::DanglingLink:
      fs::create_symlink(path + ".missing-directory/file", path);
      break;
    case Blocker::DeviceLink:
      fs::create_symlink("/dev/full", path);
      break;
  }
}

void ClearPath(const std::string& path) {
  std::error_code ignored;
  fs::remove_all(path, ignored);
}

BatchCopy::BatchCopy(const ScratchDirectory& scratch, const std::string& directory)
    : scratch_(scratch), directory_(directory.empty() ? scratch.path() : scratch.File(directory)) {
  fs::create_directories(directory_);
  program_ = File("femframe-batch");
  fs::copy_file(FEMFRAME_BATCH, program_);
}

BatchResult BatchCopy::Run(const std::vector<std::string>& arguments, const std::string& setup,
                           const std::string& wrapper) const {
  std::string command =
      "cd '" + scratch_.path() + "' && (" + setup + "; " + wrapper + " '" + program_ + "'";
  for (const std::string& argument : arguments) command += " '" + argument + "'";
  command += ") >stdout.log 2>stderr.log";
  const int raw = std::system(command.c_str());
  BatchResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadFileBytes(scratch_.File("stdout.log"));
  result.err = ReadFileBytes(scratch_.File("stderr.log"));
  return result;
}

// The child waits on a pipe until the parent has seen its number, then runs the program.
BatchProcess::BatchProcess(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& logs, const std::function<void(pid_t)>& beforeStart)
    : logs_(logs) {
  int go[2];
  if (pipe(go) != 0) throw std::runtime_error("pipe failed");
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const std::string out = logs + ".out", err = logs + ".err";
  pid_ = fork();
  if (pid_ == 0) {
    char ready;
    close(go[1]);
    if (read(go[0], &ready, 1) != 1 || !freopen(out.c_str(), "w", stdout) ||
        !freopen(err.c_str(), "w", stderr)) {
      _exit(127);
    }
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(go[0]);
  if (beforeStart) beforeStart(pid_);
  const bool started = write(go[1], "g", 1) == 1;
  close(go[1]);
  if (!started) throw std::runtime_error("the child did not start");
}

BatchResult BatchProcess::Wait() {
  int raw = 0;
  waitpid(pid_, &raw, 0);
  BatchResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -WTERMSIG(raw);
  result.out = ReadFileBytes(logs_ + ".out");
  result.err = ReadFileBytes(logs_ + ".err");
  return result;
}

pid_t DeadProcessNumber() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

std::vector<std::string> TemporaryFilesIn(const std::string& directory) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(directory)) {
    const std::string name = entry.path().filename().string();
    if (name.find(".femframe-") != std::string::npos && name.ends_with(".tmp")) {
      found.push_back(entry.path().string());
    }
  }
  return found;
}
