// The refusal of a mechanism before the solve: the rank of the model's kinematic matrix
// (geometry, stiffness kinds and supports only) decided exactly, modulo large primes. The first
// equation whose direction, with the ones before it, moves no member is where the structure is
// free.
#pragma once

#include <cstddef>
#include <vector>

#include "run/run_progress.h"
#include "model/model.h"

// The first equation p whose leading principal minor of order p + 1 of the kinematic matrix
// (KinematicMatrix) is zero over the rationals, as far as the check's primes tell, or
// envelope.size() − 1 (the equation count) when the structure is no mechanism. Holds one
// matrix of residues of the envelope at a time.
// A `progress` is told of the rows of each prime's elimination and may stop the check there.
size_t FirstDependentEquation(const Model& model, const std::vector<size_t>& envelope,
                              RunProgress* progress = nullptr);

// Throws SolverError (a zero pivot) at FirstDependentEquation when the structure is a
// mechanism: a direction no member reaches, a node whose θ only bars meet, supports that let it
// move as a whole or a linkage of members that moves without deforming. Writes no file. Needs
// the model to have passed the stiffness step.
void RefuseMechanism(const Model& model, const std::vector<size_t>& envelope,
                     RunProgress* progress = nullptr);
