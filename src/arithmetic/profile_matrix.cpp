#include "profile_matrix.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

ProfileMatrix::ProfileMatrix(std::vector<size_t> first) : first_(std::move(first)) {
  const size_t n = first_.size();
  offset_.resize(n);
  // reach(i) is a running maximum: the last row whose envelope starts at or before i.
  reach_.assign(n, 0);
  size_t stored = 0;
  for (size_t i = 0; i < n; ++i) {
    if (first_[i] > i) throw std::invalid_argument("ProfileMatrix: envelope right of the diagonal");
    offset_[i] = stored;
    stored += i - first_[i];
    reach_[first_[i]] = std::max(reach_[first_[i]], i);
  }
  for (size_t i = 1; i < n; ++i) reach_[i] = std::max(reach_[i], reach_[i - 1]);
  lower_.assign(stored, 0.0);
  upper_.assign(stored, 0.0);
  diagonal_.assign(n, 0.0);
}

double ProfileMatrix::Get(size_t row, size_t column) const {
  if (row == column) return diagonal_[row];
  if (!InProfile(row, column)) return 0.0;
  return row > column ? lower_[SideIndex(row, column)] : upper_[SideIndex(column, row)];
}

double& ProfileMatrix::At(size_t row, size_t column) {
  if (row >= size() || column >= size() || !InProfile(row, column)) {
    throw std::out_of_range("ProfileMatrix: entry outside the envelope");
  }
  if (row == column) return diagonal_[row];
  return row > column ? lower_[SideIndex(row, column)] : upper_[SideIndex(column, row)];
}

void ProfileMatrix::ZeroRowAndColumn(size_t i) {
  std::fill_n(LowerRow(i), i - first_[i], 0.0);
  std::fill_n(UpperColumn(i), i - first_[i], 0.0);
  diagonal_[i] = 0.0;
  for (size_t other = i + 1; other <= reach_[i]; ++other) {
    if (first_[other] > i) continue;
    LowerRow(other)[i - first_[other]] = 0.0;
    UpperColumn(other)[i - first_[other]] = 0.0;
  }
}

size_t ProfileMatrix::MemoryBytes() const {
  return sizeof(double) * (lower_.capacity() + upper_.capacity() + diagonal_.capacity()) +
         sizeof(size_t) * (first_.capacity() + reach_.capacity() + offset_.capacity());
}

size_t ProfileMatrix::MemoryBytesFor(const std::vector<size_t>& first) {
  size_t sideEntries = 0;
  for (size_t i = 0; i < first.size(); ++i) sideEntries += i - std::min(first[i], i);
  return sizeof(double) * (2 * sideEntries + first.size()) + sizeof(size_t) * 3 * first.size();
}
