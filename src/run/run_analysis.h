// One complete linear static analysis of the model in modelStore: degree-of-freedom numbering,
// member stiffness and "work1.txt", assembly, loads, supports, the solution (and "NColes.txt"),
// member end forces and "work2.txt", and the results report beside the model file.
#pragma once

#include "basics/run_progress.h"

// Throws RunError when a step cannot complete; outputs of later steps are then not produced.
void RunAnalysis();
// The same, telling `progress` of each step and of the decomposition and the trace as they go.
// When it asks to stop, the run ends at that step boundary or block with RunCancelledError: the
// files of the steps completed are new, the others keep their earlier versions, and no temporary
// file is left.
void RunAnalysis(RunProgress& progress);
