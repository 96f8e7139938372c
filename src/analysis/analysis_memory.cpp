#include "analysis_memory.h"

#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "basics/number_text.h"
#include "dof_numbering.h"
#include "model/model_store.h"

namespace {

constexpr uint64_t kMegabyte = 1024 * 1024;
constexpr uint64_t kSolverEnvelopeMatrices = 2;  // the solver's A and its factors L, D, U in one

std::string Megabytes(uint64_t bytes) {
  return FormatInteger(static_cast<long>((bytes + kMegabyte - 1) / kMegabyte)) + " MB";
}

// Entries of the envelope over indices 0 .. dofCount: row i left of the diagonal and column i
// above it from first(i), and the diagonal.
uint64_t MemberEnvelopeEntries(int32_t dofCount) {
  const auto size = static_cast<size_t>(dofCount) + 1;
  std::vector<size_t> first(size);
  for (size_t i = 0; i < size; ++i) first[i] = i;
  for (int32_t m = 0; m < modelStore.memberCount; ++m) {
    const std::array<int16_t, 6> dofs = MemberDofs(modelStore.members[static_cast<size_t>(m)]);
    const auto lowest = static_cast<size_t>(*std::min_element(dofs.begin(), dofs.end()));
    for (int16_t dof : dofs) {
      size_t& start = first[static_cast<size_t>(dof)];
      start = std::min(start, lowest);
    }
  }
  uint64_t entries = 0;
  for (size_t i = 0; i < size; ++i) entries += 2 * (i - first[i]) + 1;
  return entries;
}

}  // namespace

uint64_t AnalysisMatrixBytes(int32_t dofCount) {
  const auto side = static_cast<uint64_t>(dofCount) + 1;
  const uint64_t entries = side * side + kSolverEnvelopeMatrices * MemberEnvelopeEntries(dofCount);
  return entries * sizeof(double);
}

uint64_t PhysicalMemoryBytes() {
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return 0;
  return static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize);
}

void CheckAnalysisMemory(int32_t dofCount, uint64_t neededBytes, uint64_t physicalBytes) {
  const uint64_t limit = physicalBytes / 10 * 8;
  if (physicalBytes == 0 || neededBytes <= limit) return;
  throw RunError(RunErrorCause::OutOfMemory,
                 "解析に必要なメモリが足りません。自由度数 " + FormatInteger(dofCount) +
                     " の剛性行列と連立方程式の行列に約 " + Megabytes(neededBytes) +
                     " が必要ですが、使えるのは物理メモリの 80% の " + Megabytes(limit) +
                     " までです。");
}

RunError MatrixAllocationError(int32_t dofCount) {
  return RunError(RunErrorCause::OutOfMemory,
                  "解析に必要なメモリを確保できませんでした。自由度数 " + FormatInteger(dofCount) +
                      " の行列に約 " + Megabytes(AnalysisMatrixBytes(dofCount)) + " が必要です。");
}
