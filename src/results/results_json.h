// The results of a finished run as one JSON document (UTF-8, LF line ends): nodal displacements,
// member end forces, support reactions, the maxima with their places and the equilibrium
// residuals, with user numbers as labels. Numbers are the shortest texts that read back as the
// same doubles; a reaction component that neither a support nor a spring holds and the place of
// a zero maximum are null. A model with loads along members adds their records (`memberLoads`),
// each member's values along it (`along`: x, N, Q, M, dx, dy at its result stations) and each
// maximum's place along its member (`x`, with `node` null away from the ends). A model with
// hinges, springs or settlements repeats their records (`hinges`: member, end1, end2;
// `springs`: node, kx, ky, ktheta; `settlements`: node, u, v, theta).
#pragma once

#include <string>

#include "analysis/analysis_result.h"
#include "model/model.h"

// The document of a successful run of the model. Throws RunError if a value is not finite, which
// a successful run never gives, or when the equilibrium sums overflow.
std::string ResultsJson(const Model& model, const AnalysisResult& result);

// Writes the document to `path`, which is replaced only once the whole document is written.
// Throws RunError naming what failed.
void WriteResultsFile(const std::string& path, const Model& model, const AnalysisResult& result);
