#include "solver_trace.h"

#include <stdexcept>
#include <string>

#include "basics/number_text.h"
#include "basics/program_directory.h"
#include "basics/text_file.h"
#include "solver_store.h"

namespace {

// The title line carries two carriage returns of its own before the line end, so its bytes end
// in CR CR CR LF; readers of the trace know it in exactly that form.
constexpr std::string_view kTitle = "連立方程式の解法：コレスキー法（非対称可）\r\r";

// The trace being written, and one line buffer reused for every row: the file grows with n²
// and is streamed a row at a time.
struct OpenTrace {
  TextFileWriter* file = nullptr;
  std::string line;
};
OpenTrace openTrace;

TextFileWriter& TraceFile() {
  if (openTrace.file == nullptr) {
    throw std::logic_error("solver trace block written outside WriteSolverTrace");
  }
  return *openTrace.file;
}

size_t TraceCount(size_t available) {
  const size_t n = static_cast<size_t>(solverStore.eqCount);
  if (available < n) throw std::logic_error("solver store array smaller than its equation count");
  return n;
}

void WriteNumbers(TextFileWriter& file, const double* values, size_t n) {
  std::string& line = openTrace.line;
  line.clear();
  for (size_t j = 0; j < n; ++j) AppendFixed5(line, values[j]);
  file.WriteLine(line);
}

}  // namespace

void WriteSolverTrace() {
  TextFileWriter file(ProgramFilePath("NColes.txt"));
  openTrace.file = &file;
  struct Release {
    ~Release() { openTrace.file = nullptr; }
  } release;
  file.WriteLine(kTitle);
  PrintMatrix("系行列", solverStore.matA);
  PrintVector("定数", solverStore.vecB);
  PrintMatrix("上三角行列", solverStore.matU);
  PrintMatrix("対角角行列", solverStore.matD);
  PrintMatrix("下三角行列", solverStore.matL);
  PrintVector("解", solverStore.vecX);
  file.Close();
}

void PrintMatrix(std::string_view caption, const DenseMatrix& matrix) {
  TextFileWriter& file = TraceFile();
  const size_t n = TraceCount(matrix.size());
  file.WriteLine(caption);
  for (size_t i = 0; i < n; ++i) WriteNumbers(file, matrix.row(i), n);
  file.WriteLine("");
}

void PrintVector(std::string_view caption, const std::vector<double>& vector) {
  TextFileWriter& file = TraceFile();
  const size_t n = TraceCount(vector.size());
  file.WriteLine(caption);
  WriteNumbers(file, vector.data(), n);
  file.WriteLine("");
}
