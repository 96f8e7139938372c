#include "work_files.h"

#include <string>

#include "basics/number_file.h"
#include "basics/number_text.h"
#include "basics/text_file.h"
#include "model/model_store.h"

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

std::vector<double> ReadWork2() {
  NumberFileReader work2(Work2Path());
  std::vector<double> endForces(6 * static_cast<size_t>(modelStore.memberCount));
  for (double& value : endForces) value = work2.Next();
  return endForces;
}
