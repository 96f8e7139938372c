// The refusal of a mechanism before the solve: the rank of the model's kinematic matrix
// (geometry, stiffness kinds, hinges, springs and supports only) decided exactly, modulo large
// primes. The first equation whose direction, with the ones before it, moves no member or spring
// is where the structure is free.
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
// mechanism: a direction no member or spring reaches, a node whose θ only bars and released ends
// meet, supports that let it move as a whole or a linkage of members and hinges that moves
// without deforming. Writes no file. Needs the model to have passed the stiffness step.
void RefuseMechanism(const Model& model, const std::vector<size_t>& envelope,
                     RunProgress* progress = nullptr);

// Whether `equation` is the θ of a node that its hinges leave free to turn: neither a support
// nor a spring holds that θ, every end of a member with bending stiffness meeting there is
// released, and there is at least one. The θ then moves no member, so that a check stopping
// there has found this node rather than a linkage. Needs the model to have passed the stiffness
// step.
bool IsRotationOfHingedNode(const Model& model, size_t equation);
