// The envelope storage of the stiffness matrix: which entries it holds, where the contiguous row
// and column segments the kernels walk lie, the last row reaching each column, and a support
// zeroing exactly its row and column.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "arithmetic/profile_matrix.h"
#include "support/dense_matrix.h"

namespace {

// Rows 0-1 coupled, row 2 alone, row 3 back to column 0 (a long member), row 4 to column 3.
const std::vector<size_t> kFirst = {0, 0, 2, 0, 3};

// Every stored entry gets its own value 10·row + column + 1, so a misplaced one shows.
ProfileMatrix Numbered() {
  ProfileMatrix matrix(kFirst);
  for (size_t i = 0; i < matrix.size(); ++i) {
    for (size_t j = 0; j < matrix.size(); ++j) {
      if (matrix.InProfile(i, j)) matrix.At(i, j) = static_cast<double>(10 * i + j + 1);
    }
  }
  return matrix;
}

}  // namespace

TEST(ProfileMatrix, HoldsTheEnvelopeOfBothTrianglesAndReadsZeroOutside) {
  ProfileMatrix matrix = Numbered();
  ASSERT_EQ(matrix.size(), 5u);
  for (size_t i = 0; i < 5; ++i) {
    for (size_t j = 0; j < 5; ++j) {
      const bool inside = j <= i ? j >= kFirst[i] : i >= kFirst[j];
      EXPECT_EQ(matrix.InProfile(i, j), inside) << i << "," << j;
      EXPECT_EQ(matrix.Get(i, j), inside ? static_cast<double>(10 * i + j + 1) : 0.0);
      if (!inside) {
        EXPECT_THROW(matrix.At(i, j), std::out_of_range) << i << "," << j;
      }
    }
  }
  EXPECT_THROW(matrix.At(5, 5), std::out_of_range);
  // Rows 1, 3 and 4 store 1, 3 and 1 entries left of the diagonal; the columns as many above.
  EXPECT_EQ(ProfileMatrix::MemoryBytesFor(kFirst), (2 * 5 + 5) * sizeof(double) + 15 * sizeof(size_t));
  EXPECT_GE(matrix.MemoryBytes(), (2 * 5 + 5) * sizeof(double));
  EXPECT_LT(matrix.MemoryBytes(), 25 * sizeof(double) + 15 * sizeof(size_t) + 64);
}

TEST(ProfileMatrix, SegmentsAreTheRowLeftAndTheColumnAboveTheDiagonal) {
  ProfileMatrix matrix = Numbered();
  const double* row3 = matrix.LowerRow(3);
  EXPECT_EQ(row3[0], 31.0);
  EXPECT_EQ(row3[1], 32.0);
  EXPECT_EQ(row3[2], 33.0);
  const double* column3 = matrix.UpperColumn(3);
  EXPECT_EQ(column3[0], 4.0);
  EXPECT_EQ(column3[1], 14.0);
  EXPECT_EQ(column3[2], 24.0);
  EXPECT_EQ(matrix.LowerRow(4)[0], 44.0);
  EXPECT_EQ(matrix.UpperColumn(1)[0], 2.0);
  EXPECT_EQ(matrix.Diagonal()[2], 23.0);
  matrix.LowerRow(3)[1] = -1.0;
  EXPECT_EQ(matrix.Get(3, 1), -1.0);
}

TEST(ProfileMatrix, ReachIsTheLastRowWhoseEnvelopeIncludesTheColumn) {
  const ProfileMatrix matrix(kFirst);
  const std::vector<size_t> expected = {3, 3, 3, 4, 4};
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(matrix.reach(i), expected[i]) << i;
  const ProfileMatrix diagonal(std::vector<size_t>{0, 1, 2});
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(diagonal.reach(i), i);
  EXPECT_EQ(ProfileMatrix::MemoryBytesFor({0, 1, 2}), 3 * sizeof(double) + 9 * sizeof(size_t));
}

TEST(ProfileMatrix, ZeroingASupportClearsItsRowAndColumnOnly) {
  for (size_t support = 0; support < 5; ++support) {
    ProfileMatrix matrix = Numbered();
    DenseMatrix expected(5);
    for (size_t i = 0; i < 5; ++i) {
      for (size_t j = 0; j < 5; ++j) {
        expected(i, j) = i == support || j == support ? 0.0 : matrix.Get(i, j);
      }
    }
    matrix.ZeroRowAndColumn(support);
    for (size_t i = 0; i < 5; ++i) {
      for (size_t j = 0; j < 5; ++j) {
        EXPECT_EQ(matrix.Get(i, j), expected(i, j)) << "support " << support << ": " << i << ","
                                                    << j;
      }
    }
  }
}

TEST(ProfileMatrix, AnEnvelopeRightOfTheDiagonalIsRefused) {
  EXPECT_THROW(ProfileMatrix(std::vector<size_t>{0, 2, 1}), std::invalid_argument);
  const ProfileMatrix empty(std::vector<size_t>{});
  EXPECT_EQ(empty.size(), 0u);
}
