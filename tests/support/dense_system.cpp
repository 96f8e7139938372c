#include "support/dense_system.h"

#include <stdexcept>

#include "basics/profile_matrix.h"
#include "solver/ncoles.h"

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

}  // namespace

void SetSystem(int16_t n, const DenseMatrix& K, const std::vector<double>& F) {
  if (n < 0 || K.size() < static_cast<size_t>(n)) {
    throw std::invalid_argument("SetSystem: a dense system smaller than the equation count");
  }
  const auto count = static_cast<size_t>(n);
  ProfileMatrix envelope(EnvelopeOf(K, count));
  for (size_t i = 0; i < count; ++i) {
    for (size_t j = envelope.first(i); j < i; ++j) {
      envelope.At(i, j) = K(i, j);
      envelope.At(j, i) = K(j, i);
    }
    envelope.At(i, i) = K(i, i);
  }
  SetSystem(n, envelope, F);
}
