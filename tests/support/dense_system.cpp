#include "support/dense_system.h"

#include <stdexcept>
#include <vector>

namespace {

// The envelope of the leading n x n part of k: row and column i start at the first j <= i with
// k(i,j) or k(j,i) non-zero.
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

ProfileMatrix EnvelopeMatrix(const DenseMatrix& K, size_t n) {
  if (K.size() < n) {
    throw std::invalid_argument("EnvelopeMatrix: a dense system smaller than the equation count");
  }
  ProfileMatrix envelope(EnvelopeOf(K, n));
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = envelope.first(i); j < i; ++j) {
      envelope.At(i, j) = K(i, j);
      envelope.At(j, i) = K(j, i);
    }
    envelope.At(i, i) = K(i, i);
  }
  return envelope;
}
