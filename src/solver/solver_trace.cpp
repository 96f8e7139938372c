#include "solver_trace.h"

#include <algorithm>
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

// Zeros are most of a row of a banded matrix: they are appended as ready-made text.
constexpr std::string_view kZero = "0.00000";

void AppendZeros(std::string& line, size_t count) {
  static const std::string block = [] {
    std::string text;
    for (int copy = 0; copy < 64; ++copy) text += kZero;
    return text;
  }();
  const size_t perBlock = block.size() / kZero.size();
  for (; count >= perBlock; count -= perBlock) line += block;
  line.append(block.data(), count * kZero.size());
}

void AppendEntry(std::string& line, double value) {
  if (value == 0.0) {
    line += kZero;
  } else {
    AppendFixed5(line, value);
  }
}

// Row i of the shown matrix, columns 0 .. n-1: the envelope of row i left of the diagonal, the
// diagonal, then the columns right of it whose envelope reaches row i.
void AppendRow(std::string& line, const ProfileMatrix& matrix, TracedPart part, size_t i,
               size_t n) {
  const bool left = part == TracedPart::Whole || part == TracedPart::UnitLower;
  const bool right = part == TracedPart::Whole || part == TracedPart::UnitUpper;
  const size_t first = matrix.first(i);
  if (left) {
    AppendZeros(line, first);
    const double* row = matrix.LowerRow(i);
    for (size_t j = first; j < i; ++j) AppendEntry(line, row[j - first]);
  } else {
    AppendZeros(line, i);
  }
  const bool unit = part == TracedPart::UnitLower || part == TracedPart::UnitUpper;
  AppendEntry(line, unit ? 1.0 : matrix.Diagonal()[i]);
  size_t written = i + 1;
  if (right) {
    const size_t last = std::min(matrix.reach(i) + 1, n);
    for (; written < last; ++written) {
      const size_t top = matrix.first(written);
      AppendEntry(line, top <= i ? matrix.UpperColumn(written)[i - top] : 0.0);
    }
  }
  AppendZeros(line, n - written);
}

}  // namespace

void WriteSolverTrace() {
  TextFileWriter file(ProgramFilePath("NColes.txt"));
  openTrace.file = &file;
  struct Release {
    ~Release() { openTrace.file = nullptr; }
  } release;
  file.WriteLine(kTitle);
  PrintMatrix("系行列", solverStore.matA, TracedPart::Whole);
  PrintVector("定数", solverStore.vecB);
  PrintMatrix("上三角行列", solverStore.matLDU, TracedPart::UnitUpper);
  PrintMatrix("対角角行列", solverStore.matLDU, TracedPart::Diagonal);
  PrintMatrix("下三角行列", solverStore.matLDU, TracedPart::UnitLower);
  PrintVector("解", solverStore.vecX);
  file.Close();
}

void PrintMatrix(std::string_view caption, const ProfileMatrix& matrix, TracedPart part) {
  TextFileWriter& file = TraceFile();
  const size_t n = TraceCount(matrix.size());
  file.WriteLine(caption);
  std::string& line = openTrace.line;
  for (size_t i = 0; i < n; ++i) {
    line.clear();
    AppendRow(line, matrix, part, i, n);
    file.WriteLine(line);
  }
  file.WriteLine("");
}

void PrintVector(std::string_view caption, const std::vector<double>& vector) {
  TextFileWriter& file = TraceFile();
  const size_t n = TraceCount(vector.size());
  file.WriteLine(caption);
  WriteNumbers(file, vector.data(), n);
  file.WriteLine("");
}
