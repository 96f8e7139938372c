#include "solver_trace.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/full_path.h"
#include "files/text_file.h"
#include "ldu_solve.h"
#include "messages/run_error.h"
#include "text/number_text.h"

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

template <typename Out>
void WriteZeros(Out& file, size_t count) {
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
template <typename Out, typename Entry>
void WriteEntries(Out& file, size_t count, Entry entry) {
  constexpr size_t kPerReservation = 1024;
  for (size_t done = 0; done < count;) {
    const size_t chunkEnd = std::min(count, done + kPerReservation);
    char* out = file.ReserveAscii((chunkEnd - done) * kFixed5MaxChars);
    for (; done < chunkEnd; ++done) out = WriteEntry(out, entry(done));
    file.CommitAscii(out);
  }
}

// Bytes of a line in the file: its CP932 text and CR LF.
uint64_t LineBytes(std::string_view utf8) { return ToCp932(utf8).size() + 2; }

// Counts the bytes the blocks would take, through the same procedures that write them, so that
// the space asked for is exactly the size written. A number inside an envelope counts the length
// of its text without writing it; a run of zeros is counted whole.
class TraceByteCount {
 public:
  void WriteLine(std::string_view utf8) { bytes_ += LineBytes(utf8); }
  void Add(uint64_t bytes) { bytes_ += bytes; }
  void WriteRepeated(const RepeatedText& text, size_t count) {
    bytes_ += static_cast<uint64_t>(count) * text.unitSize();
  }
  void EndLine() { bytes_ += 2; }
  uint64_t bytes() const { return bytes_; }

 private:
  uint64_t bytes_ = 0;
};

template <typename Entry>
void WriteEntries(TraceByteCount& count, size_t entries, Entry entry) {
  uint64_t bytes = 0;
  for (size_t k = 0; k < entries; ++k) {
    const double value = entry(k);
    bytes += value == 0.0 ? kZero.size() : Fixed5Length(value);
  }
  count.Add(bytes);
}

// Row i of the shown matrix, columns 0 .. n-1: the envelope of row i left of the diagonal, the
// diagonal, then the columns right of it whose envelope reaches row i.
template <typename Out>
void WriteRow(Out& file, const ProfileMatrix& matrix, TracedPart part, size_t i, size_t n) {
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
template <typename Out>
void PrintMatrix(Out& file, std::string_view caption, const ProfileMatrix& matrix, size_t n,
                 TracedPart part, const std::function<bool(size_t rowsWritten)>& goOn) {
  CheckTraceCount(matrix.size(), n);
  file.WriteLine(caption);
  for (size_t i = 0; i < n; ++i) {
    if (!goOn(i)) return;
    WriteRow(file, matrix, part, i, n);
  }
  file.WriteLine("");
}

template <typename Out>
void PrintVector(Out& file, std::string_view caption, const std::vector<double>& vector,
                 size_t n) {
  CheckTraceCount(vector.size(), n);
  file.WriteLine(caption);
  WriteEntries(file, n, [&vector](size_t j) { return vector[j]; });
  file.EndLine();
  file.WriteLine("");
}

// The blocks known before the solve: the title, the system matrix and the right-hand side.
// The right-hand side follows only when `goOn` is told the last row and agrees.
template <typename Out>
void PrintKnownBlocks(Out& file, const TracedSolve& solve,
                      const std::function<bool(size_t rowsWritten)>& goOn) {
  file.WriteLine(kTitle);
  PrintMatrix(file, kSystemCaption, solve.system, solve.n, TracedPart::Whole, goOn);
  if (goOn(solve.n)) PrintVector(file, kRightHandCaption, solve.rightHand, solve.n);
}

// The blocks of the solve's results: the factors U, D and L, then the solution. `goOn` is told
// the rows written over the three factors.
template <typename Out>
void PrintSolvedBlocks(Out& file, const TracedSolve& solve,
                       const std::function<bool(size_t rowsWritten)>& goOn) {
  const size_t n = solve.n;
  size_t blockStart = 0;
  for (const auto& [caption, part] : {std::pair{kUpperCaption, TracedPart::UnitUpper},
                                      std::pair{kDiagonalCaption, TracedPart::Diagonal},
                                      std::pair{kLowerCaption, TracedPart::UnitLower}}) {
    PrintMatrix(file, caption, solve.factors, n, part,
                [&goOn, &blockStart](size_t rows) { return goOn(blockStart + rows); });
    blockStart += n;
  }
  PrintVector(file, kSolutionCaption, solve.solution, n);
}


bool AllRows(size_t) { return true; }

uint64_t KnownBlockBytes(const TracedSolve& solve) {
  TraceByteCount count;
  PrintKnownBlocks(count, solve, AllRows);
  return count.bytes();
}

// What the solve's blocks take at least, before the solve: every number is at least the 7
// characters of "0.00000"; larger magnitudes and minus signs only add.
uint64_t LeastSolvedBlockBytes(size_t n) {
  const uint64_t numbersLine = 7 * static_cast<uint64_t>(n) + 2;
  const uint64_t emptyLine = 2;
  uint64_t bytes = LineBytes(kSolutionCaption) + numbersLine + emptyLine;
  for (std::string_view caption : {kUpperCaption, kDiagonalCaption, kLowerCaption}) {
    bytes += LineBytes(caption) + n * numbersLine + emptyLine;
  }
  return bytes;
}

// Refuses a trace of `traceBytes`, of which `bytesInFile` are in its file already, that the work
// directory cannot take beside the earlier trace, which stays until the new one is complete.
// Sizes are counted in whole blocks of the file system, as a file takes them. A directory statvfs
// cannot look at lets the write go ahead and report its own failure.
// `traceBytes` is asked for the whole trace; when it is given, `roomyBytes` is an upper bound of
// it that is asked first, and only when that does not fit is `traceBytes` worked out.
void CheckSpaceBesideEarlierTrace(const std::string& directory,
                                  const std::function<uint64_t()>& traceBytes,
                                  uint64_t bytesInFile, uint64_t roomyBytes = 0) {
  struct statvfs disk {};
  if (statvfs(directory.c_str(), &disk) != 0 || disk.f_frsize == 0) return;
  const uint64_t block = disk.f_frsize;
  const auto inBlocks = [block](uint64_t bytes) { return (bytes + block - 1) / block * block; };
  const uint64_t freeBytes = static_cast<uint64_t>(disk.f_bavail) * block + inBlocks(bytesInFile);
  if (roomyBytes != 0 && inBlocks(roomyBytes) <= freeBytes) return;
  CheckTraceSpace(directory, inBlocks(traceBytes()), freeBytes);
}

// At most the size of the solve's blocks, without formatting them: every number inside the
// factors' envelope and of the solution as wide as the widest of them.
uint64_t SolvedBlockBytesAtMost(const TracedSolve& solve) {
  const size_t n = solve.n;
  double largest = 0.0;
  uint64_t inside = 0;  // entries of L and U inside the envelope
  for (size_t i = 0; i < n; ++i) {
    const size_t width = i - solve.factors.first(i);
    inside += 2 * width;
    const double* lower = solve.factors.LowerRow(i);
    const double* upper = solve.factors.UpperColumn(i);
    for (size_t k = 0; k < width; ++k) {
      largest = std::max({largest, std::fabs(lower[k]), std::fabs(upper[k])});
    }
    largest = std::max({largest, std::fabs(solve.factors.Diagonal()[i]),
                        std::fabs(solve.solution[i])});
  }
  const uint64_t widest = Fixed5Length(-largest) + 1;  // a sign, whether or not it is written
  const uint64_t extra = widest > kZero.size() ? widest - kZero.size() : 0;
  return LeastSolvedBlockBytes(n) + (inside + 2 * static_cast<uint64_t>(n)) * extra;
}

}  // namespace

uint64_t SolvedTraceBytes(const TracedSolve& solve) {
  TraceByteCount count;
  PrintSolvedBlocks(count, solve, AllRows);
  return KnownBlockBytes(solve) + count.bytes();
}

void CheckTraceSpace(const std::string& directory, uint64_t neededBytes, uint64_t freeBytes) {
  if (neededBytes <= freeBytes) return;
  throw RunError(RunErrorCause::FileCreate,
                 "連立方程式の計算過程ファイル NColes.txt を書き込む空き容量が足りません。フォルダー " +
                     directory + " に少なくとも " + FormatFileSize(neededBytes, SizeRounding::Up) +
                     " が必要ですが、空きは " + FormatFileSize(freeBytes, SizeRounding::Down) +
                     " です。");
}

// Below this many equations the known blocks take less time to write than a thread to start
// (600 equations: a trace of about 13 MB).
constexpr size_t kConcurrentEquations = 600;

SolverTraceWriter::SolverTraceWriter(const std::string& path, size_t n,
                                     const ProfileMatrix& system,
                                     const std::vector<double>& rightHand)
    : n_(n), system_(system), rightHand_(rightHand), path_(path) {
  try {
    directory_ = DirectoryOf(path);
  } catch (...) {
    failure_ = std::current_exception();
    return;
  }
  if (n_ >= kConcurrentEquations) {
    writer_ = std::thread([this, path] { WriteKnownBlocks(path); });
  } else {
    WriteKnownBlocks(path);
  }
}

SolverTraceWriter::~SolverTraceWriter() {
  stop_ = true;
  if (writer_.joinable()) writer_.join();
}

// The system matrix and the right-hand side, which the solve only reads. Their size is known
// exactly; the factors' is known only after the solve, so until then they count at least.
void SolverTraceWriter::WriteKnownBlocks(const std::string& path) {
  try {
    const TracedSolve known{n_, system_, rightHand_, system_, rightHand_};
    knownBytes_ = KnownBlockBytes(known);
    CheckSpaceBesideEarlierTrace(
        directory_, [this] { return knownBytes_ + LeastSolvedBlockBytes(n_); }, 0);
    file_ = std::make_unique<TraceFileWriter>(path);
    PrintKnownBlocks(*file_, known, [this](size_t rows) {
      knownRows_.store(rows, std::memory_order_relaxed);
      return !stop_.load(std::memory_order_relaxed);
    });
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
  // Now the whole size is known, the check is exact where the space is short.
  const TracedSolve solve{n, system_, rightHand_, factors, solution};
  CheckSpaceBesideEarlierTrace(
      directory_, [&solve] { return SolvedTraceBytes(solve); }, file.bytesInFile(),
      knownBytes_ + SolvedBlockBytesAtMost(solve));
  PrintSolvedBlocks(file, solve, [&progress, n](size_t rows) {
    progress.Advance(n + rows);
    return true;
  });
  file.Close();
  progress.TraceWritten(file.bytesInFile(), path_);
}

