// What the hardening tests share: model files copied where a test wants them and loaded as the
// window loads them, the outputs of a run kept as bytes to show that a failed run left them
// alone, and the things a hostile environment puts in a file's place.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "basics/run_error.h"
#include "support/run_error_of.h"

// Copies the file `source` to `target` and returns `target`.
std::string CopyModelFile(const std::string& source, const std::string& target);
// Reads and checks the model file as choosing it in the window does; fails the test when the
// reader or the check refuses it.
void LoadModel(const std::string& path);

// The report beside the model in modelStore.
std::string ReportOfLoadedModel();

// The bytes of a set of files at one moment; a path where no regular file is holds nullopt.
class OutputSnapshot {
 public:
  explicit OutputSnapshot(const std::vector<std::string>& paths);
  // Fails the test for every file that is not byte for byte as it was, except those in `except`.
  void ExpectUnchanged(const std::vector<std::string>& except = {}) const;

 private:
  std::map<std::string, std::optional<std::string>> files_;
};

// Expects the error's message to hold each of the texts.
void ExpectMessageHolds(const RunError& error, const std::vector<std::string>& texts);

// What is put in place of a file so that writing it fails even for root, whom permission bits
// do not stop: a directory of the file's name, a symbolic link into a directory that does not
// exist, or a link to /dev/full, a device and not a file the program may replace.
enum class Blocker { Directory, DanglingLink, DeviceLink };
const char* BlockerName(Blocker blocker);
void BlockFile(const std::string& path, Blocker blocker);
// Removes whatever is at the path, file, link or directory.
void ClearPath(const std::string& path);
// Cuts the file down to its first `bytes` bytes.
void TruncateFile(const std::string& path, size_t bytes);
