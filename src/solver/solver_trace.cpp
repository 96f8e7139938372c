#include "solver_trace.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ldu_solve.h"
#include "text/number_text.h"
#include "files/full_path.h"
#include "messages/run_error.h"
#include "files/text_file.h"

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

// Which full matrix a block shows of a matrix held by its envelope: all of it (the system), or
// one factor of the combined L·D·U storage with the zeros and unit diagonal it implies.
enum class TracedPart { Whole, UnitUpper, Diagonal, UnitLower };

void CheckTraceCount(size_t available, size_t n) {
  if (available < n) throw std::logic_error("traced array smaller than its equation count");
}

// Zeros are most of a row of a banded matrix: outside the envelope they are written from one
// shared block of ready-made texts.
constexpr std::string_view kZero = "0.00000";

void WriteZeros(TraceFileWriter& file, size_t count) {
  static const RepeatedText zeros(kZero, 64 * 1024);
  file.WriteRepeated(zeros, count);
}

char* WriteEntry(char* out, double value) {
  if (value == 0.0) {
    std::memcpy(out, kZero.data(), kZero.size());
    return out + kZero.size();
  }
  return WriteFixed5(out, value);
}

// Entries entry(0) .. entry(count-1) formatted into the writer's buffer, a bounded number of
// them per reservation so that a long row never needs a buffer of its own size.
template <typename Entry>
void WriteEntries(TraceFileWriter& file, size_t count, Entry entry) {
  constexpr size_t kPerReservation = 1024;
  for (size_t done = 0; done < count;) {
    const size_t chunkEnd = std::min(count, done + kPerReservation);
    char* out = file.ReserveAscii((chunkEnd - done) * kFixed5MaxChars);
    for (; done < chunkEnd; ++done) out = WriteEntry(out, entry(done));
    file.CommitAscii(out);
  }
}

// Row i of the shown matrix, columns 0 .. n-1: the envelope of row i left of the diagonal, the
// diagonal, then the columns right of it whose envelope reaches row i.
void WriteRow(TraceFileWriter& file, const ProfileMatrix& matrix, TracedPart part, size_t i,
              size_t n) {
  const bool left = part == TracedPart::Whole || part == TracedPart::UnitLower;
  const bool right = part == TracedPart::Whole || part == TracedPart::UnitUpper;
  const size_t first = left ? matrix.first(i) : i;
  WriteZeros(file, first);
  const double* row = matrix.LowerRow(i);
  WriteEntries(file, i - first, [row](size_t k) { return row[k]; });
  const bool unit = part == TracedPart::UnitLower || part == TracedPart::UnitUpper;
  const double diagonal = unit ? 1.0 : matrix.Diagonal()[i];
  WriteEntries(file, 1, [diagonal](size_t) { return diagonal; });
  const size_t last = right ? std::min(matrix.reach(i) + 1, n) : i + 1;
  WriteEntries(file, last - (i + 1), [&matrix, i](size_t k) {
    const size_t column = i + 1 + k;
    const size_t top = matrix.first(column);
    return top <= i ? matrix.UpperColumn(column)[i - top] : 0.0;
  });
  WriteZeros(file, n - last);
  file.EndLine();
}

// The blocks of the trace: the caption, then every row or the vector's line over indices
// 0 .. n-1, zeros outside the envelope included, then an empty line. The file grows with n²
// and is streamed a row at a time.
// Before each row, `goOn` is told the rows written so far; a block written beside the solve
// stops there once the solve has failed or was stopped.
void PrintMatrix(TraceFileWriter& file, std::string_view caption, const ProfileMatrix& matrix,
                 size_t n, TracedPart part, const std::function<bool(size_t rowsWritten)>& goOn) {
  CheckTraceCount(matrix.size(), n);
  file.WriteLine(caption);
  for (size_t i = 0; i < n; ++i) {
    if (!goOn(i)) return;
    WriteRow(file, matrix, part, i, n);
  }
  file.WriteLine("");
}

void PrintVector(TraceFileWriter& file, std::string_view caption,
                 const std::vector<double>& vector, size_t n) {
  CheckTraceCount(vector.size(), n);
  file.WriteLine(caption);
  WriteEntries(file, n, [&vector](size_t j) { return vector[j]; });
  file.EndLine();
  file.WriteLine("");
}

// Bytes of a line in the file: its CP932 text and CR LF.
uint64_t LineBytes(std::string_view utf8) { return ToCp932(utf8).size() + 2; }

// What the work directory can take: the space free to the program. The old trace stays until
// the new one is complete, so its space does not count. Unknown (a directory statvfs cannot look
// at) lets the write go ahead and report its own failure.
uint64_t SpaceForTrace(const std::string& directory) {
  struct statvfs disk {};
  if (statvfs(directory.c_str(), &disk) != 0) return std::numeric_limits<uint64_t>::max();
  return static_cast<uint64_t>(disk.f_bavail) * disk.f_frsize;
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

// Below this many equations the known blocks take less time to write than a thread to start
// (600 equations: a trace of about 13 MB).
constexpr size_t kConcurrentEquations = 600;

SolverTraceWriter::SolverTraceWriter(const std::string& path, size_t n,
                                     const ProfileMatrix& system,
                                     const std::vector<double>& rightHand)
    : n_(n), system_(system), rightHand_(rightHand) {
  std::string directory;
  try {
    directory = DirectoryOf(path);
  } catch (...) {
    failure_ = std::current_exception();
    return;
  }
  if (n_ >= kConcurrentEquations) {
    writer_ = std::thread([this, path, directory] { WriteKnownBlocks(path, directory); });
  } else {
    WriteKnownBlocks(path, directory);
  }
}

SolverTraceWriter::~SolverTraceWriter() {
  stop_ = true;
  if (writer_.joinable()) writer_.join();
}

// The system matrix and the right-hand side, which the solve only reads.
void SolverTraceWriter::WriteKnownBlocks(const std::string& path, const std::string& directory) {
  try {
    CheckTraceSpace(directory, LeastTraceBytes(n_), SpaceForTrace(directory));
    file_ = std::make_unique<TraceFileWriter>(path);
    file_->WriteLine(kTitle);
    PrintMatrix(*file_, kSystemCaption, system_, n_, TracedPart::Whole, [this](size_t rows) {
      knownRows_.store(rows, std::memory_order_relaxed);
      return !stop_.load(std::memory_order_relaxed);
    });
    if (!stop_.load(std::memory_order_relaxed)) {
      PrintVector(*file_, kRightHandCaption, rightHand_, n_);
    }
  } catch (...) {
    failure_ = std::current_exception();
  }
  knownRows_.store(n_, std::memory_order_relaxed);
  const std::lock_guard<std::mutex> lock(knownMutex_);
  knownDone_ = true;
  knownWritten_.notify_one();
}

// The progress is told at least every tenth of a second, so that a front end stays responsive
// while the thread still writes; the mutex is never held while it is told.
void SolverTraceWriter::AwaitKnownBlocks(RowProgress& progress) {
  if (!writer_.joinable()) return;
  for (;;) {
    {
      std::unique_lock<std::mutex> lock(knownMutex_);
      if (knownWritten_.wait_for(lock, std::chrono::milliseconds(100),
                                 [this] { return knownDone_; })) {
        break;
      }
    }
    progress.Advance(knownRows_.load(std::memory_order_relaxed));
  }
  writer_.join();
}

void SolverTraceWriter::Finish(const ProfileMatrix& factors, const std::vector<double>& solution,
                               SolveProgress& progress) {
  const size_t n = n_;
  progress.BeginTrace(4 * n);
  AwaitKnownBlocks(progress);
  if (failure_) std::rethrow_exception(failure_);
  TraceFileWriter& file = *file_;
  size_t blockStart = n;
  const auto tell = [&progress, &blockStart](size_t rows) {
    progress.Advance(blockStart + rows);
    return true;
  };
  for (const auto& [caption, part] : {std::pair{kUpperCaption, TracedPart::UnitUpper},
                                      std::pair{kDiagonalCaption, TracedPart::Diagonal},
                                      std::pair{kLowerCaption, TracedPart::UnitLower}}) {
    PrintMatrix(file, caption, factors, n, part, tell);
    blockStart += n;
  }
  PrintVector(file, kSolutionCaption, solution, n);
  file.Close();
}

