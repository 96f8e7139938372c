#include "member_stiffness.h"

#include "arithmetic/checked_math.h"

namespace {

// The five stiffness terms of the element, kg/cm and kg (or kg·cm per radian).
struct StiffnessTerms {
  double axial = 0.0;      // EA/L
  double bending2 = 0.0;   // 2EI/L
  double bending4 = 0.0;   // 4EI/L
  double bending6 = 0.0;   // 6EI/L²
  double bending12 = 0.0;  // 12EI/L³
};

// The section products are single precision; only the division by the length is double.
StiffnessTerms FormStiffnessTerms(const SectionRecord& section, double length) {
  const SectionProducts products = FormSectionProducts(section);
  const double lengthSquared = CheckedMul(length, length);
  const double lengthCubed = CheckedMul(lengthSquared, length);
  StiffnessTerms terms;
  terms.axial = CheckedDiv(products.ae, length);
  terms.bending2 = CheckedDiv(products.ei2, length);
  terms.bending4 = CheckedDiv(products.ei4, length);
  terms.bending6 = CheckedDiv(products.ei6, lengthSquared);
  terms.bending12 = CheckedDiv(products.ei12, lengthCubed);
  return terms;
}

void FillLocalStiffness(const StiffnessTerms& t, Matrix6& k) {
  k[0][0] = t.axial;
  k[0][3] = -t.axial;
  k[3][0] = -t.axial;
  k[3][3] = t.axial;
  k[1][1] = t.bending12;
  k[1][2] = t.bending6;
  k[1][4] = -t.bending12;
  k[1][5] = t.bending6;
  k[2][1] = t.bending6;
  k[2][2] = t.bending4;
  k[2][4] = -t.bending6;
  k[2][5] = t.bending2;
  k[4][1] = -t.bending12;
  k[4][2] = -t.bending6;
  k[4][4] = t.bending12;
  k[4][5] = -t.bending6;
  k[5][1] = t.bending6;
  k[5][2] = t.bending2;
  k[5][4] = -t.bending6;
  k[5][5] = t.bending4;
}

// The static condensation of the end rotation r (2 at end 1, 5 at end 2).
void CondenseRotation(Matrix6& k, int r) {
  const double pivot = k[r][r];
  if (pivot == 0.0) return;
  for (int i = 0; i < 6; ++i) {
    if (i == r || k[i][r] == 0.0) continue;
    const double factor = CheckedDiv(k[i][r], pivot);
    for (int j = 0; j < 6; ++j) {
      if (j != r) k[i][j] = CheckedSub(k[i][j], CheckedMul(factor, k[r][j]));
    }
  }
  for (int n = 0; n < 6; ++n) k[r][n] = k[n][r] = 0.0;
}

void ReleaseEnds(Matrix6& k, MemberReleases releases) {
  if (releases[0] && releases[1]) {
    // What the two condensations leave of the bending terms is rounding: only EA/L remains.
    for (int i = 0; i < 6; ++i) {
      for (int j = 0; j < 6; ++j) {
        if (i % 3 != 0 || j % 3 != 0) k[i][j] = 0.0;
      }
    }
    return;
  }
  if (releases[0]) CondenseRotation(k, 2);
  if (releases[1]) CondenseRotation(k, 5);
}

// Local x runs from end 1 to end 2; rotations are the same in both systems.
void FillRotation(double cosine, double sine, Matrix6& rotation) {
  for (int end = 0; end < 2; ++end) {
    const int base = 3 * end;
    rotation[base][base] = cosine;
    rotation[base][base + 1] = sine;
    rotation[base + 1][base] = -sine;
    rotation[base + 1][base + 1] = cosine;
    rotation[base + 2][base + 2] = 1.0;
  }
}

}  // namespace

// Single precision, in the groupings A·E and (E·c)·I, because the section is stored in single
// precision.
SectionProducts FormSectionProducts(const SectionRecord& section) {
  const float area = section.area;
  const float inertia = section.inertia;
  const float modulus = section.youngModulus;
  SectionProducts products;
  products.ae = CheckedMulF(area, modulus);
  products.ei2 = CheckedMulF(CheckedMulF(modulus, 2.0f), inertia);
  products.ei4 = CheckedMulF(CheckedMulF(modulus, 4.0f), inertia);
  products.ei6 = CheckedMulF(CheckedMulF(modulus, 6.0f), inertia);
  products.ei12 = CheckedMulF(CheckedMulF(modulus, 12.0f), inertia);
  return products;
}

MemberGeometry MeasureMember(const NodeRecord& end1, const NodeRecord& end2) {
  const float dx = end2.x - end1.x;
  const float dy = end2.y - end1.y;
  MemberGeometry geometry;
  geometry.dx = CheckFinite(dx);
  geometry.dy = CheckFinite(dy);
  geometry.length = CheckedSqrt(
      CheckedAdd(CheckedMul(geometry.dx, geometry.dx), CheckedMul(geometry.dy, geometry.dy)));
  return geometry;
}

// Both products are summed over n = 0..5 from 0, zero terms included, so every entry gets the
// same bits on every machine.
MemberMatrices FormMemberMatrices(const MemberGeometry& geometry, const SectionRecord& section,
                                  MemberReleases releases) {
  const double cosine = CheckedDiv(geometry.dx, geometry.length);
  const double sine = CheckedDiv(geometry.dy, geometry.length);
  Matrix6 k{};
  Matrix6 rotation{};
  FillLocalStiffness(FormStiffnessTerms(section, geometry.length), k);
  ReleaseEnds(k, releases);
  FillRotation(cosine, sine, rotation);

  MemberMatrices result;
  for (int i = 0; i < 6; ++i) {
    for (int j = 0; j < 6; ++j) {
      double sum = 0.0;
      for (int n = 0; n < 6; ++n) sum = CheckedAdd(sum, CheckedMul(k[i][n], rotation[n][j]));
      result.memberMatrix[i][j] = sum;
    }
  }
  for (int i = 0; i < 6; ++i) {
    for (int j = 0; j < 6; ++j) {
      double sum = 0.0;
      for (int n = 0; n < 6; ++n) {
        sum = CheckedAdd(sum, CheckedMul(rotation[n][i], result.memberMatrix[n][j]));
      }
      result.globalContribution[i][j] = sum;
    }
  }
  return result;
}
