// The solution step of a run: hands the constrained system to the LDU solver (which writes
// "NColes.txt") and takes the nodal displacements back into the analysis store.
#pragma once

// Throws RunError naming the node and the direction (u, v or θ) of the equation where the
// solver met a zero pivot or an overflow.
void SolveDisplacements();
