#include "work_files.h"

#include <charconv>
#include <string>
#include <string_view>

#include "text/number_text.h"
#include "files/text_file.h"

namespace {

// The number a line of the file reads back as: blanks around it ignored, "-" in the sign place
// taken as the sign. Every text the two formats give is a finite number.
double ReadBack(std::string_view text) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  while (begin < end && *begin == ' ') ++begin;
  while (end > begin && end[-1] == ' ') --end;
  double value = 0.0;
  std::from_chars(begin, end, value);
  return value;
}

std::vector<double> WriteNumberLines(const std::string& path, const std::vector<double>& values,
                                     std::string (*format)(double)) {
  std::vector<double> written;
  written.reserve(values.size());
  TextFileWriter file(path);
  for (double value : values) {
    const std::string text = format(value);
    file.WriteLine(text);
    written.push_back(ReadBack(text));
  }
  file.Close();
  return written;
}

}  // namespace

std::string Work1Path(const WorkDirectory& directory) { return directory.FilePath("work1.txt"); }
std::string Work2Path(const WorkDirectory& directory) { return directory.FilePath("work2.txt"); }
std::string TracePath(const WorkDirectory& directory) { return directory.FilePath("NColes.txt"); }
std::string RunLockPath(const WorkDirectory& directory) {
  return directory.FilePath("femframe.lock");
}

std::vector<double> WriteWork1(const WorkDirectory& directory, const std::vector<double>& values) {
  return WriteNumberLines(Work1Path(directory), values, FormatGeneral15);
}

std::vector<double> WriteWork2(const WorkDirectory& directory, const std::vector<double>& values) {
  return WriteNumberLines(Work2Path(directory), values, FormatWorkValue);
}
