// A symmetric matrix of residues modulo a prime, stored by its envelope like the stiffness
// matrix (row i from its first column to the diagonal), and its factorization L·D·Lᵀ without
// pivoting in exact modular arithmetic, which finds the first leading principal minor that is 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "prime_field.h"
#include "row_progress.h"

class ResidueEnvelope {
 public:
  // A zero-filled matrix whose row i holds columns first[i] .. i. Throws std::invalid_argument
  // when some first[i] > i.
  explicit ResidueEnvelope(const std::vector<size_t>& first);

  size_t size() const { return first_.size(); }
  size_t first(size_t i) const { return first_[i]; }
  // Row i, columns first(i) .. i (the diagonal last), contiguous.
  uint64_t* Row(size_t i) { return values_.data() + offset_[i]; }
  const uint64_t* Row(size_t i) const { return values_.data() + offset_[i]; }
  // Entry (row, column) with column <= row; throws std::out_of_range outside the envelope.
  uint64_t& At(size_t row, size_t column);

 private:
  std::vector<size_t> first_;
  std::vector<size_t> offset_;
  std::vector<uint64_t> values_;
};

// Factors the leading n x n part of g = L·D·Lᵀ modulo the field's prime in place, row by row:
// row i first takes W(i,j) = D(j)·L(i,j) = G(i,j) − Σ W(i,k)·L(j,k) for j ascending (a sum of
// products of two rows of residues), then L(i,j) = W(i,j)·D(j)⁻¹ and
// D(i) = G(i,i) − Σ W(i,j)·L(i,j). Returns the first i with D(i) = 0 mod p, where the
// factorization stops, or n when there is none. D(0)·…·D(i) is the leading principal minor of
// order i + 1 mod p, so i is the first whose minor is divisible by p. A `progress` is told each
// row begun (the units of its step are the n rows) and may stop the factorization there.
size_t FirstZeroPivot(const PrimeField& field, ResidueEnvelope& g, size_t n,
                      RowProgress* progress = nullptr);
