#include "support/file_lines.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

std::vector<std::string> FileLines(const std::string& path) {
  const std::string bytes = ReadFileBytes(path);
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << path << ": last line has no CR LF";
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::vector<double> FileNumbers(const std::string& path) {
  std::vector<double> numbers;
  for (const std::string& line : FileLines(path)) numbers.push_back(std::stod(line));
  return numbers;
}

void ExpectFileNumbersNear(const std::string& path, const std::vector<double>& expected,
                           double tolerance) {
  const std::vector<double> numbers = FileNumbers(path);
  ASSERT_EQ(numbers.size(), expected.size()) << path;
  for (size_t i = 0; i < numbers.size(); ++i) EXPECT_NEAR(numbers[i], expected[i], tolerance) << i;
}
