#include "work_files.h"

#include "basics/number_text.h"
#include "basics/program_directory.h"
#include "basics/text_file.h"

namespace {

void WriteNumberLines(const std::string& path, const std::vector<double>& values,
                      std::string (*format)(double)) {
  TextFileWriter file(path);
  for (double value : values) file.WriteLine(format(value));
  file.Close();
}

}  // namespace

std::string Work1Path() { return ProgramFilePath("work1.txt"); }
std::string Work2Path() { return ProgramFilePath("work2.txt"); }

void WriteWork1(const std::vector<double>& values) {
  WriteNumberLines(Work1Path(), values, FormatGeneral15);
}

void WriteWork2(const std::vector<double>& values) {
  WriteNumberLines(Work2Path(), values, FormatWorkValue);
}
