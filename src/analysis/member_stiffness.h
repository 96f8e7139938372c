// The plane beam-column element of one member: its length from the two end nodes, the local
// stiffness k, the rotation T (local = T · global), the member matrix P = k·T that turns global
// end displacements into local end forces, and the global contribution Kₑ = Tᵀ·P. A released end
// (a hinge) has k condensed so that its moment is zero whatever the node does.
#pragma once

#include "joint_conditions.h"
#include "model/model.h"

using Matrix6 = double[6][6];

struct MemberGeometry {
  double dx = 0.0;      // cm, x2 - x1 formed in single precision
  double dy = 0.0;      // cm, y2 - y1 formed in single precision
  double length = 0.0;  // cm
};

struct MemberMatrices {
  Matrix6 memberMatrix{};        // P, row by row as "work1.txt" holds it
  Matrix6 globalContribution{};  // Kₑ, added into the global stiffness
};

// The single-precision products of a section that the stiffness terms divide by L, L, L, L², L³.
// A member has axial stiffness when `ae` is not 0 and bending stiffness when any `ei` is not.
struct SectionProducts {
  float ae = 0.0f;    // A·E, kg
  float ei2 = 0.0f;   // (E·2)·I, kg·cm²
  float ei4 = 0.0f;   // (E·4)·I
  float ei6 = 0.0f;   // (E·6)·I
  float ei12 = 0.0f;  // (E·12)·I
};
// Throws ArithmeticFault at the first product that overflows.
SectionProducts FormSectionProducts(const SectionRecord& section);

// Throws ArithmeticFault when a difference or the length overflows.
MemberGeometry MeasureMember(const NodeRecord& end1, const NodeRecord& end2);

// Needs a non-zero length; throws ArithmeticFault at the first operation that overflows. The
// rotation of a released end is condensed out of k: k' = k − k(:,r)·k(r,:) / k(r,r), row and
// column r then exactly 0. With both ends released only the axial terms remain, exactly: a member
// pinned at both ends has no stiffness across it. A member without bending stiffness has nothing
// to condense.
MemberMatrices FormMemberMatrices(const MemberGeometry& geometry, const SectionRecord& section,
                                  MemberReleases releases = {});
