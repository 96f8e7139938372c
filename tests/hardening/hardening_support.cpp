#include "hardening/hardening_support.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/model_file_reader.h"
#include "model/model_store.h"
#include "model/reference_check.h"
#include "report/report_path.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

std::string CopyModelFile(const std::string& source, const std::string& target) {
  WriteFileBytes(target, ReadFileBytes(source));
  return target;
}

void LoadModel(const std::string& path) {
  modelStore = ModelStore();
  ASSERT_TRUE(ReadModelFile(path)) << path;
  ASSERT_TRUE(CheckModelReferences()) << path;
}

std::string ReportOfLoadedModel() { return ReportPath(modelStore.modelPath); }

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

void TruncateFile(const std::string& path, size_t bytes) {
  fs::resize_file(path, bytes);
}
