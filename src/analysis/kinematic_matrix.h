// The kinematic matrix of the model: which nodal motions deform some member, from the geometry,
// the kind of stiffness each member has and the supports alone, never the section values. It is
// formed exactly, modulo a prime, so its rank, and with it whether the structure is a mechanism,
// is decided without rounding however long, slender or large the structure.
#pragma once

#include <cstddef>
#include <vector>

#include "arithmetic/prime_field.h"
#include "arithmetic/residue_envelope.h"
#include "model/model.h"

// G = Σ Bmᵀ·Bm over the members, modulo the field's prime, in the degree-of-freedom numbering
// of the global stiffness and the given envelope (StiffnessEnvelope), restrained directions
// removed as the supports step removes them (a zero row and column, 1 on the diagonal). Bm holds
// a member's deformation rows per unit end motion (u, v, θ at end 1, then at end 2), each scaled
// so that its entries are polynomials in dx = x2 − x1 and dy = y2 − y1, formed exactly from the
// coordinates as residues, with L² = dx² + dy²:
// - elongation times L, when A·E is not 0: [−dx, −dy, 0, dx, dy, 0];
// - when the member has bending stiffness (any of the products (E·k)·I not 0), its end
//   rotations against the chord times L²: [−dy, dx, L², dy, −dx, 0] and [−dy, dx, 0, dy, −dx, L²].
// The stiffness matrix is Bᵀ·k·B with k definite on each member's deformations (negative definite
// for negative section values), so over the rationals G has rank(B) and the null space of the
// stiffness matrix of sections of one sign; the scaling of rows by non-zero lengths changes
// neither. Needs members of non-zero length whose section products are finite (the stiffness
// step refuses the others first).
ResidueEnvelope KinematicMatrix(const Model& model, const std::vector<size_t>& envelope,
                                const PrimeField& field);
