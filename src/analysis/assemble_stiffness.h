// The stiffness step of a run: every member's contribution Kₑ is added into the global stiffness
// in member order, and its matrix P is handed back for "work1.txt" and the member forces; the
// springs then add to the diagonal.
#pragma once

#include <vector>

#include "analysis_system.h"

// Expects a sized, zero-filled system and resolved member indices. The member matrices P, 36
// values per member, row by row, in member order. Throws RunError for a member of zero length
// or an overflow at a member.
std::vector<double> AssembleStiffness(const Model& model, AnalysisSystem& system);

// Adds each spring's k to the diagonal entry of its degree of freedom (AssembleStiffness does
// it after the members). Throws ArithmeticFault when a sum overflows.
void AddSprings(const Model& model, AnalysisSystem& system);
