#include "ncoles.h"

#include <new>
#include <stdexcept>
#include <string>

#include "ldu_kernel.h"
#include "solver_trace.h"

void SetSystem(int16_t n, const DenseMatrix& K, const std::vector<double>& F) {
  if (n < 0) throw std::invalid_argument("SetSystem: negative equation count");
  const size_t count = static_cast<size_t>(n);
  if (K.size() < count || F.size() < count) {
    throw std::invalid_argument("SetSystem: system smaller than the equation count");
  }
  // Release the previous system first, so that two systems never hold memory at once.
  solverStore = SolverStore{};
  try {
    SolverStore& store = solverStore;
    const size_t size = count + 1;
    store.matA = DenseMatrix(size);
    store.matU = DenseMatrix(size);
    store.matD = DenseMatrix(size);
    store.matL = DenseMatrix(size);
    store.vecB.assign(size, 0.0);
    store.vecY.assign(size, 0.0);
    store.vecX.assign(size, 0.0);
    for (size_t i = 0; i < count; ++i) {
      for (size_t j = 0; j < count; ++j) store.matA(i, j) = K(i, j);
      store.vecB[i] = F[i];
    }
    store.eqCount = n;
  } catch (const std::bad_alloc&) {
    solverStore = SolverStore{};
    throw RunError(RunErrorCause::OutOfMemory,
                   "連立方程式（" + std::to_string(count) +
                       " 元）の行列を確保できません。メモリが足りません。");
  }
}

void SolveLDU() {
  SolverStore& store = solverStore;
  const size_t n = static_cast<size_t>(store.eqCount);
  DecomposeLDU(n, store.matA, store.matU, store.matD, store.matL);
  ForwardSubstitute(n, store.matL, store.vecB, store.vecY);
  BackSubstitute(n, store.matU, store.matD, store.vecY, store.vecX);
  WriteSolverTrace();
}

void GetSolution(int16_t n, std::vector<double>& X) {
  if (n < 0 || n > solverStore.eqCount || X.size() < static_cast<size_t>(n)) {
    throw std::invalid_argument("GetSolution: count outside the solved system");
  }
  for (size_t i = 0; i < static_cast<size_t>(n); ++i) X[i] = solverStore.vecX[i];
}
