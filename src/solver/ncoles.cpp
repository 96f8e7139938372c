#include "ncoles.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include "profile_ldu.h"
#include "solver_trace.h"

namespace {

// The envelope of the leading n x n part of k: row and column i start at the first j <= i with
// k(i,j) or k(j,i) non-zero. The spare index n holds only its diagonal.
std::vector<size_t> EnvelopeOf(const DenseMatrix& k, size_t n) {
  std::vector<size_t> first(n + 1);
  for (size_t i = 0; i < n; ++i) {
    size_t j = 0;
    while (j < i && k(i, j) == 0.0 && k(j, i) == 0.0) ++j;
    first[i] = j;
  }
  first[n] = n;
  return first;
}

void RequireSystemSize(int16_t n, size_t matrixSize, size_t vectorSize) {
  if (n < 0) throw std::invalid_argument("SetSystem: negative equation count");
  const size_t count = static_cast<size_t>(n);
  if (matrixSize < count || vectorSize < count) {
    throw std::invalid_argument("SetSystem: system smaller than the equation count");
  }
}

// Recreates the store around a copy of the system whose envelope `first` (n + 1 entries) holds
// every non-zero of K; copyMatrix fills matA within it.
template <typename CopyMatrix>
void StoreSystem(size_t n, std::vector<size_t> first, const std::vector<double>& F,
                 CopyMatrix copyMatrix) {
  // Release the previous system first, so that two systems never hold memory at once.
  solverStore = SolverStore{};
  try {
    SolverStore& store = solverStore;
    store.matA = ProfileMatrix(first);
    store.matLDU = ProfileMatrix(std::move(first));
    store.vecB.assign(n + 1, 0.0);
    store.vecY.assign(n + 1, 0.0);
    store.vecX.assign(n + 1, 0.0);
    copyMatrix(store.matA);
    std::copy_n(F.begin(), n, store.vecB.begin());
    store.eqCount = static_cast<int16_t>(n);
  } catch (const std::bad_alloc&) {
    solverStore = SolverStore{};
    throw RunError(RunErrorCause::OutOfMemory,
                   "連立方程式（" + std::to_string(n) +
                       " 元）の行列を確保できません。メモリが足りません。");
  }
}

}  // namespace

void SetSystem(int16_t n, const DenseMatrix& K, const std::vector<double>& F) {
  RequireSystemSize(n, K.size(), F.size());
  const size_t count = static_cast<size_t>(n);
  StoreSystem(count, EnvelopeOf(K, count), F, [&K, count](ProfileMatrix& a) {
    for (size_t i = 0; i < count; ++i) {
      for (size_t j = a.first(i); j < i; ++j) {
        a.At(i, j) = K(i, j);
        a.At(j, i) = K(j, i);
      }
      a.At(i, i) = K(i, i);
    }
  });
}

void SetSystem(int16_t n, const ProfileMatrix& K, const std::vector<double>& F) {
  RequireSystemSize(n, K.size(), F.size());
  const size_t count = static_cast<size_t>(n);
  std::vector<size_t> first(count + 1);
  for (size_t i = 0; i < count; ++i) first[i] = K.first(i);
  first[count] = count;
  StoreSystem(count, std::move(first), F, [&K, count](ProfileMatrix& a) {
    for (size_t i = 0; i < count; ++i) {
      const size_t width = i - a.first(i);
      std::copy_n(K.LowerRow(i), width, a.LowerRow(i));
      std::copy_n(K.UpperColumn(i), width, a.UpperColumn(i));
      a.Diagonal()[i] = K.Diagonal()[i];
    }
  });
}

void SolveLDU(double relativePivotTolerance) {
  SolverStore& store = solverStore;
  const size_t n = static_cast<size_t>(store.eqCount);
  DecomposeProfileLDU(n, store.matA, store.matLDU, relativePivotTolerance);
  ForwardSubstituteProfile(n, store.matLDU, store.vecB, store.vecY);
  BackSubstituteProfile(n, store.matLDU, store.vecY, store.vecX);
  WriteSolverTrace();
}

void GetSolution(int16_t n, std::vector<double>& X) {
  if (n < 0 || n > solverStore.eqCount || X.size() < static_cast<size_t>(n)) {
    throw std::invalid_argument("GetSolution: count outside the solved system");
  }
  for (size_t i = 0; i < static_cast<size_t>(n); ++i) X[i] = solverStore.vecX[i];
}
