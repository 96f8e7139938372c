// The results of a finished run as one JSON document (UTF-8, LF line ends): nodal displacements,
// member end forces, support reactions, the maxima with their places and the equilibrium
// residuals, with user numbers as labels. Numbers are the shortest texts that read back as the
// same doubles; a free reaction component and the place of a zero maximum are null.
#pragma once

#include <string>

#include "run_results.h"

// Throws RunError if a value is not finite, which a successful run never gives.
std::string ResultsJson(const RunResults& results);

// Gathers the results of the run that just succeeded and writes them to `path`, which is
// replaced only once the whole document is written. Throws RunError naming what failed.
void WriteResultsFile(const std::string& path);
