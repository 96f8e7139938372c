// One complete linear static analysis of the model in modelStore: degree-of-freedom numbering,
// member stiffness and "work1.txt", assembly, loads, supports, the solution (and "NColes.txt"),
// member end forces and "work2.txt", and the results report beside the model file.
#pragma once

// Throws RunError when a step cannot complete; outputs of later steps are then not produced.
void RunAnalysis();
