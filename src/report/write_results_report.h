// The results report beside the model file: the model's five tables (and its loads along members,
// hinges, springs and settlements when it has them), the nodal displacements, the member end forces as "work2.txt" holds them and
// the four maxima, in CP932 with CR LF.
#pragma once

#include "analysis/analysis_result.h"
#include "model/model.h"

// Throws RunError when the model path has no file name or the report cannot be written.
void WriteResultsReport(const Model& model, const AnalysisResult& result);
