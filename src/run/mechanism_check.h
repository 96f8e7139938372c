// The refusal of a mechanism before the solve: the kinematic matrix of the model (geometry,
// stiffness kinds and supports only) is factored, and a pivot that is zero against its diagonal
// is a direction the structure can move in without deforming a member.
#pragma once

#include <cstddef>
#include <vector>

// A kinematic pivot D(p,p) with |D(p,p)| <= kKinematicPivotTolerance·|G(p,p)| is a zero pivot.
// Measured on generated mechanisms and valid structures (bench/pivot_survey, bench/README.md):
// mechanisms up to 4.6e-12 where the supports hold the whole, valid structures from 2.4e-8 (a
// cantilever of 400 members; one of N members has 3/N³, so up to 3107 members pass). Rounding
// residues grow with the model: chains of some hundreds of members turning about one hinge, and
// frames past about 8000 nodes, can leave a mechanism's pivots above the threshold.
inline constexpr double kKinematicPivotTolerance = 1e-10;

// Factors KinematicMatrix(envelope) with the solver's LDU kernel in scratch storage released on
// return, and throws SolverError (a zero pivot) at the first equation whose pivot is zero
// against its diagonal: exactly zero where the diagonal is (a direction no member reaches), or
// within kKinematicPivotTolerance of it. A model whose supports let it move as a whole
// (SupportsAllowRigidMotion) is refused all the same, at its smallest kinematic pivot against
// its diagonal: in a long chain of members turning about one pin, rounding can leave that pivot
// above the tolerance. Writes no file and changes no store; the memory is one matrix of the
// envelope (two while a model that moves as a whole is refused). Needs the model to have passed
// the stiffness step.
void RefuseMechanism(const std::vector<size_t>& envelope);
