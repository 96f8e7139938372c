// The kinematic matrix of the model: which nodal motions deform some member or spring, from the
// geometry, the kind of stiffness each member has, the hinges, the springs and the supports alone,
// never the section values or the spring constants. It is formed exactly, modulo a prime, so its
// rank, and with it whether the structure is a mechanism, is decided without rounding however
// long, slender or large the structure.
#pragma once

#include <cstddef>
#include <vector>

#include "arithmetic/prime_field.h"
#include "arithmetic/residue_envelope.h"
#include "member_stiffness.h"
#include "model/model.h"

// G = Σ Bmᵀ·Bm over the members and the springs, modulo the field's prime, in the
// degree-of-freedom numbering of the global stiffness and the given envelope (StiffnessEnvelope),
// restrained directions removed as the supports step removes them (a zero row and column, 1 on
// the diagonal). Bm holds a member's deformation rows per unit end motion (u, v, θ at end 1, then
// at end 2), each scaled so that its entries are polynomials in dx = x2 − x1 and dy = y2 − y1,
// formed exactly from the coordinates as residues, with L² = dx² + dy²:
// - elongation times L, when A·E is not 0: [−dx, −dy, 0, dx, dy, 0];
// - when the member has bending stiffness (HasBendingStiffness), the rotation of each end that is
//   not released against the chord, times L²: [−dy, dx, L², dy, −dx, 0] for end 1 and
//   [−dy, dx, 0, dy, −dx, L²] for end 2.
// A spring is a row of its own, the unit row of its direction, wherever its k is not 0.
// The stiffness matrix is Σ Bmᵀ·km·Bm over the members plus k·eᵀ·e over the springs (e the unit
// row), each km definite on the member's deformations (negative definite for negative section
// values). A released end is condensed out of its member: its rotation against the chord becomes
// a free variable of the member, the energy least over it leaves the Schur complement of the
// member's k on the other deformations, definite as k is, and so km with the rows of those
// deformations only. Over the rationals G therefore has the rank and the null space of the
// stiffness matrix of sections and springs of one sign; the scaling of rows by non-zero lengths
// changes neither. Needs members of non-zero length whose section products are finite (the
// stiffness step refuses the others first).
ResidueEnvelope KinematicMatrix(const Model& model, const std::vector<size_t>& envelope,
                                const PrimeField& field);

// Whether a member of these section products resists bending, so that an end of it that is not
// released holds its node's θ: any of the products (E·k)·I is not 0.
bool HasBendingStiffness(const SectionProducts& products);
