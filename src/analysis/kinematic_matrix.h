// The kinematic matrix of the model: which nodal motions deform some member, from the geometry,
// the kind of stiffness each member has and the supports alone, never the section values. It is
// singular where the supported stiffness matrix is without rounding (sections of one sign), so
// its pivots tell a mechanism apart however stiff or soft its members.
#pragma once

#include <cstddef>
#include <vector>

#include "basics/profile_matrix.h"

// G = Σ Bmᵀ·Bm over the members in table order, in double precision, in the degree-of-freedom
// numbering of the global stiffness and the given envelope (StiffnessEnvelope), restrained
// directions removed as the supports step removes them. Bm holds a member's deformation rows,
// each a length in cm per unit end motion (u, v, θ at end 1, then at end 2):
// - elongation, when A·E is not 0: [−c, −s, 0, c, s, 0];
// - when the member has bending stiffness, its end rotations against the chord times L:
//   [−s, c, L, s, −c, 0] and [−s, c, 0, s, −c, L];
// with c, s and L as the member stiffness step takes them. A member's stiffness is these rows
// weighted by its positive (or, for negative section values, negative) stiffness terms, so the
// stiffness matrix has G's null space; G's pivots depend on the geometry alone. Needs members
// of non-zero length (the stiffness step refuses the others first).
ProfileMatrix KinematicMatrix(const std::vector<size_t>& envelope);
