#include "solver_trace.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

#include "basics/number_text.h"
#include "basics/program_directory.h"
#include "basics/run_error.h"
#include "basics/text_file.h"
#include "solver_store.h"

namespace {

// The title line carries two carriage returns of its own before the line end, so its bytes end
// in CR CR CR LF; readers of the trace know it in exactly that form.
constexpr std::string_view kTitle = "連立方程式の解法：コレスキー法（非対称可）\r\r";

constexpr std::string_view kSystemCaption = "系行列";
constexpr std::string_view kRightHandCaption = "定数";
constexpr std::string_view kUpperCaption = "上三角行列";
constexpr std::string_view kDiagonalCaption = "対角角行列";
constexpr std::string_view kLowerCaption = "下三角行列";
constexpr std::string_view kSolutionCaption = "解";

// The trace being written: the file grows with n² and is streamed a row at a time, each row
// formatted straight into the writer's buffer.
struct OpenTrace {
  TextFileWriter* file = nullptr;
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

// Zeros are most of a row of a banded matrix: they are appended as ready-made text.
constexpr std::string_view kZero = "0.00000";

void AppendZeros(std::string& line, size_t count) {
  static const std::string block = [] {
    std::string text;
    for (int copy = 0; copy < 1024; ++copy) text += kZero;
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

// Bytes of a line in the file: its CP932 text and CR LF.
uint64_t LineBytes(std::string_view utf8) { return ToCp932(utf8).size() + 2; }

// What the program directory can take: the space free to the program, and the space the old
// trace gives back when it is truncated. Unknown (a directory statvfs cannot look at) lets the
// write go ahead and report its own failure.
uint64_t SpaceForTrace(const std::string& directory, const std::string& path) {
  struct statvfs disk {};
  if (statvfs(directory.c_str(), &disk) != 0) return std::numeric_limits<uint64_t>::max();
  uint64_t space = static_cast<uint64_t>(disk.f_bavail) * disk.f_frsize;
  struct stat old {};
  if (stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    space += static_cast<uint64_t>(old.st_blocks) * 512;
  }
  return space;
}

}  // namespace

uint64_t LeastTraceBytes(size_t n) {
  const uint64_t numbersLine = 7 * static_cast<uint64_t>(n) + 2;
  const uint64_t emptyLine = 2;
  uint64_t bytes = LineBytes(kTitle);
  for (std::string_view caption : {kSystemCaption, kUpperCaption, kDiagonalCaption,
                                   kLowerCaption}) {
    bytes += LineBytes(caption) + n * numbersLine + emptyLine;
  }
  for (std::string_view caption : {kRightHandCaption, kSolutionCaption}) {
    bytes += LineBytes(caption) + numbersLine + emptyLine;
  }
  return bytes;
}

void CheckTraceSpace(const std::string& directory, uint64_t neededBytes, uint64_t freeBytes) {
  if (neededBytes <= freeBytes) return;
  constexpr uint64_t kMegabyte = 1024 * 1024;
  throw RunError(RunErrorCause::FileCreate,
                 "連立方程式の計算過程ファイル NColes.txt を書き込む空き容量が足りません。フォルダー " +
                     directory + " に少なくとも " + FormatMegabytes(neededBytes) +
                     " が必要ですが、空きは " + FormatMegabytes(freeBytes / kMegabyte * kMegabyte) +
                     " です。");
}

void WriteSolverTrace() {
  const std::string path = ProgramFilePath("NColes.txt");
  const std::string directory = ProgramDirectory();
  CheckTraceSpace(directory, LeastTraceBytes(static_cast<size_t>(solverStore.eqCount)),
                  SpaceForTrace(directory, path));
  TextFileWriter file(path);
  openTrace.file = &file;
  struct Release {
    ~Release() { openTrace.file = nullptr; }
  } release;
  file.WriteLine(kTitle);
  PrintMatrix(kSystemCaption, solverStore.matA, TracedPart::Whole);
  PrintVector(kRightHandCaption, solverStore.vecB);
  PrintMatrix(kUpperCaption, solverStore.matLDU, TracedPart::UnitUpper);
  PrintMatrix(kDiagonalCaption, solverStore.matLDU, TracedPart::Diagonal);
  PrintMatrix(kLowerCaption, solverStore.matLDU, TracedPart::UnitLower);
  PrintVector(kSolutionCaption, solverStore.vecX);
  file.Close();
}

void PrintMatrix(std::string_view caption, const ProfileMatrix& matrix, TracedPart part) {
  TextFileWriter& file = TraceFile();
  const size_t n = TraceCount(matrix.size());
  file.WriteLine(caption);
  for (size_t i = 0; i < n; ++i) {
    file.WriteAsciiLine([&](std::string& line) { AppendRow(line, matrix, part, i, n); });
  }
  file.WriteLine("");
}

void PrintVector(std::string_view caption, const std::vector<double>& vector) {
  TextFileWriter& file = TraceFile();
  const size_t n = TraceCount(vector.size());
  file.WriteLine(caption);
  file.WriteAsciiLine([&](std::string& line) {
    for (size_t j = 0; j < n; ++j) AppendEntry(line, vector[j]);
  });
  file.WriteLine("");
}
