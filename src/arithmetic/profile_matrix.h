// A square matrix of doubles stored by its envelope (profile): for each row i the entries left of
// the diagonal from first(i), for each column j the entries above the diagonal from first(j), and
// the diagonal. The stiffness matrix of a frame couples only the degrees of freedom of a member,
// so its envelope is a narrow band around the diagonal; everything outside it is zero.
#pragma once

#include <cstddef>
#include <vector>

class ProfileMatrix {
 public:
  ProfileMatrix() = default;
  // A zero-filled matrix of first.size() rows whose envelope starts at first[i] in row i and in
  // column i. Throws std::invalid_argument when some first[i] > i.
  explicit ProfileMatrix(std::vector<size_t> first);

  size_t size() const { return first_.size(); }
  // The leftmost column of row i (and topmost row of column i) inside the envelope; i when the
  // envelope holds only the diagonal.
  size_t first(size_t i) const { return first_[i]; }
  // The last row (equally the last column) whose envelope reaches index i: the largest r with
  // first(r) <= i; at least i. Rows past it have a zero column i, columns past it a zero row i.
  size_t reach(size_t i) const { return reach_[i]; }

  bool InProfile(size_t row, size_t column) const {
    return row >= column ? column >= first_[row] : row >= first_[column];
  }
  // The entry, or 0 outside the envelope.
  double Get(size_t row, size_t column) const;
  // The stored entry; throws std::out_of_range outside the envelope, where nothing is stored.
  double& At(size_t row, size_t column);

  // Row i left of the diagonal, columns first(i) .. i-1, contiguous.
  double* LowerRow(size_t i) { return lower_.data() + offset_[i]; }
  const double* LowerRow(size_t i) const { return lower_.data() + offset_[i]; }
  // Column j above the diagonal, rows first(j) .. j-1, contiguous.
  double* UpperColumn(size_t j) { return upper_.data() + offset_[j]; }
  const double* UpperColumn(size_t j) const { return upper_.data() + offset_[j]; }
  double* Diagonal() { return diagonal_.data(); }
  const double* Diagonal() const { return diagonal_.data(); }

  // Sets every stored entry of row i and of column i to 0, the diagonal included: a support
  // removes its degree of freedom from the system before the diagonal is set to 1.
  void ZeroRowAndColumn(size_t i);

  // Bytes the matrix holds: the three value arrays and its index arrays.
  size_t MemoryBytes() const;
  // The bytes a matrix of envelope `first` will hold, known before it is allocated.
  static size_t MemoryBytesFor(const std::vector<size_t>& first);

 private:
  // Where entry `inner` (< outer) of row `outer` sits in lower_, or of column `outer` in upper_.
  size_t SideIndex(size_t outer, size_t inner) const {
    return offset_[outer] + inner - first_[outer];
  }

  std::vector<size_t> first_;
  std::vector<size_t> reach_;
  std::vector<size_t> offset_;  // start of row i in lower_ and of column i in upper_
  std::vector<double> lower_;
  std::vector<double> upper_;
  std::vector<double> diagonal_;
};
