#include "residue_envelope.h"

#include <algorithm>
#include <stdexcept>

ResidueEnvelope::ResidueEnvelope(const std::vector<size_t>& first) : first_(first) {
  offset_.resize(first_.size());
  size_t stored = 0;
  for (size_t i = 0; i < first_.size(); ++i) {
    if (first_[i] > i) {
      throw std::invalid_argument("ResidueEnvelope: envelope right of the diagonal");
    }
    offset_[i] = stored;
    stored += i - first_[i] + 1;
  }
  values_.assign(stored, 0);
}

uint64_t& ResidueEnvelope::At(size_t row, size_t column) {
  if (row >= size() || column > row || column < first_[row]) {
    throw std::out_of_range("ResidueEnvelope: entry outside the envelope");
  }
  return Row(row)[column - first_[row]];
}

// The terms of W(i,j) run over the columns both rows hold, from the later of their first
// columns; entries left of a row's envelope are zero in L as they are in G.
size_t FirstZeroPivot(const PrimeField& field, ResidueEnvelope& g, size_t n,
                      RowProgress* progress) {
  if (g.size() < n) throw std::logic_error("FirstZeroPivot: matrix smaller than n");
  std::vector<uint64_t> inversePivot(n);
  std::vector<uint64_t> w;
  for (size_t i = 0; i < n; ++i) {
    if (progress != nullptr) progress->Advance(i);
    const size_t fi = g.first(i);
    uint64_t* row = g.Row(i);
    for (size_t j = fi; j < i; ++j) {
      const size_t fj = g.first(j);
      const size_t start = std::max(fi, fj);
      const uint64_t sum =
          DotProduct(field, row + (start - fi), g.Row(j) + (start - fj), j - start);
      row[j - fi] = field.Sub(row[j - fi], sum);
    }
    // L(i,j) = W(i,j)·D(j)⁻¹ in place, W kept aside for D(i).
    w.assign(row, row + (i - fi));
    for (size_t j = fi; j < i; ++j) row[j - fi] = field.Mul(row[j - fi], inversePivot[j]);
    const uint64_t pivot = field.Sub(row[i - fi], DotProduct(field, w.data(), row, i - fi));
    row[i - fi] = pivot;
    if (pivot == 0) return i;
    inversePivot[i] = field.Inverse(pivot);
  }
  return n;
}
