#include "work_files.h"

#include <string>

#include "basics/number_text.h"
#include "basics/text_file.h"

namespace {

void WriteNumberLines(const std::string& path, const std::vector<double>& values,
                      std::string (*format)(double)) {
  TextFileWriter file(path);
  for (double value : values) file.WriteLine(format(value));
  file.Close();
}

}  // namespace

void WriteWork1(const std::vector<double>& values) {
  WriteNumberLines(Work1Path(), values, FormatGeneral15);
}

void WriteWork2(const std::vector<double>& values) {
  WriteNumberLines(Work2Path(), values, FormatWorkValue);
}
