#include "analysis_memory.h"

#include <unistd.h>

#include <algorithm>
#include <new>
#include <string>

#include "text/number_text.h"
#include "arithmetic/profile_matrix.h"
#include "dof_numbering.h"

namespace {

// Matrices of the envelope a run holds at once: the global stiffness throughout, and beside it
// first the mechanism check's kinematic matrix of residues (its lower half, factored in place,
// one prime at a time), then, once that is released, the solver's factors L, D, U held in one;
// the solver reads the system from the global stiffness itself.
constexpr uint64_t kGlobalMatrices = 1;
constexpr uint64_t kMechanismCheckMatrices = 1;
constexpr uint64_t kSolverMatrices = 1;
constexpr uint64_t kEnvelopeMatrices =
    kGlobalMatrices + std::max(kMechanismCheckMatrices, kSolverMatrices);

// The load vector, and the solver's y and x, the last of which becomes the displacements.
constexpr uint64_t kVectors = 3;

}  // namespace

std::vector<size_t> StiffnessEnvelope(const Model& model, int32_t dofCount) {
  const auto size = static_cast<size_t>(dofCount) + 1;
  std::vector<size_t> first(size);
  for (size_t i = 0; i < size; ++i) first[i] = i;
  for (int32_t m = 0; m < model.memberCount; ++m) {
    const std::array<int16_t, 6> dofs = MemberDofs(model.members[static_cast<size_t>(m)]);
    const auto lowest = static_cast<size_t>(*std::min_element(dofs.begin(), dofs.end()));
    for (int16_t dof : dofs) {
      size_t& start = first[static_cast<size_t>(dof)];
      start = std::min(start, lowest);
    }
  }
  return first;
}

uint64_t AnalysisMatrixBytes(const std::vector<size_t>& envelope) {
  return kEnvelopeMatrices * ProfileMatrix::MemoryBytesFor(envelope) +
         kVectors * sizeof(double) * envelope.size();
}

uint64_t AnalysisMatrixBytes(const Model& model, int32_t dofCount) {
  return AnalysisMatrixBytes(StiffnessEnvelope(model, dofCount));
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
                     " の剛性行列と連立方程式の行列に約 " + FormatMegabytes(neededBytes) +
                     " が必要ですが、使えるのは物理メモリの 80% の " + FormatMegabytes(limit) +
                     " までです。");
}

// Counting the need takes a small envelope vector of its own, which may itself fail to allocate
// when memory has run out; the message then goes without the figure.
RunError MatrixAllocationError(const Model& model, int32_t dofCount) {
  const std::string start =
      "解析に必要なメモリを確保できませんでした。自由度数 " + FormatInteger(dofCount) + " の行列";
  try {
    return RunError(RunErrorCause::OutOfMemory,
                    start + "に約 " + FormatMegabytes(AnalysisMatrixBytes(model, dofCount)) + " が必要です。");
  } catch (const std::bad_alloc&) {
    return RunError(RunErrorCause::OutOfMemory, start + "を置くメモリがありません。");
  }
}
