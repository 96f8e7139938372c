// A square matrix of doubles indexed (row, column) from 0, zero-filled when created: systems the
// solver tests write in full, and the matrices of the literal dense solve they are held to.
#pragma once

#include <cstddef>
#include <vector>

class DenseMatrix {
 public:
  DenseMatrix() = default;
  // A zero-filled size x size matrix.
  explicit DenseMatrix(size_t size) : size_(size), values_(size * size, 0.0) {}

  size_t size() const { return size_; }
  double& operator()(size_t row, size_t column) { return values_[row * size_ + column]; }
  double operator()(size_t row, size_t column) const { return values_[row * size_ + column]; }
  const double* row(size_t index) const { return values_.data() + index * size_; }

 private:
  size_t size_ = 0;
  std::vector<double> values_;
};
