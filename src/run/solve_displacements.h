// The solution step of a run: hands the constrained system to the LDU solver (which writes
// "NColes.txt") and takes the nodal displacements back into the analysis store.
#pragma once

// A pivot D(p,p) with |D(p,p)| <= kMechanismPivotTolerance·|A(p,p)|, A the supported stiffness
// matrix, is taken for a zero pivot: a structure free to move leaves rounding residues there
// rather than exact zeros. Measured on generated mechanisms and valid but badly conditioned
// structures (bench/pivot_survey, bench/README.md): a decade below the smallest ratio of a valid
// structure (1e-12), where a pivot keeps at most three of its sixteen digits. Sizes count, not
// signs, since negative section values are accepted; a zero diagonal refuses only a zero pivot.
inline constexpr double kMechanismPivotTolerance = 1e-13;

// Throws RunError naming the node and the direction (u, v or θ) of the equation where the
// solver met a zero pivot (exact, or zero relative to its equation) or an overflow. A model whose
// supports let it move as a whole (SupportsAllowRigidMotion) is refused the same way, at its
// smallest pivot relative to its equation, however large rounding left that pivot.
void SolveDisplacements();
