// One complete linear static analysis of a model: degree-of-freedom numbering, member stiffness
// and "work1.txt", assembly, loads, supports, the solution (and "NColes.txt"), member end forces
// and "work2.txt", and the results report beside the model file; what it found comes back as a
// value.
#pragma once

#include "analysis/analysis_result.h"
#include "run/run_progress.h"
#include "files/work_directory.h"
#include "model/model.h"

// The model must have passed the reference check; its work files go to `directory`. Throws
// RunError when a step cannot complete; outputs of later steps are then not produced. `progress`
// is told of each step and of the decomposition and the trace as they go. When it asks to stop,
// the run ends at that step boundary or block with RunCancelledError: the files of the steps
// completed are new, the others keep their earlier versions, and no temporary file is left.
// What a run may leave out.
struct RunOptions {
  // Without the trace "NColes.txt" the solve writes none, and an earlier one is removed so that
  // no trace of another model stands beside this run's work files.
  bool writeTrace = true;
};

AnalysisResult RunAnalysis(const Model& model, const WorkDirectory& directory,
                           RunProgress& progress, const RunOptions& options = {});
// The same without progress.
AnalysisResult RunAnalysis(const Model& model, const WorkDirectory& directory);
