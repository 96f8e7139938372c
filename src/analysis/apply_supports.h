// The support step of a run: every restrained degree of freedom gets a zero row and column with
// 1.0 on the diagonal and a zero load, so its displacement comes out exactly 0 and the matrix
// stays symmetric. Any non-zero flag restrains; a load on a restrained direction is discarded.
// A settled direction gets its prescribed displacement as its load instead, so that it comes out
// exactly that, and the other equations carry what it does to them.
#pragma once

#include <cstddef>
#include <vector>

#include "analysis_system.h"

void ApplySupports(const Model& model, AnalysisSystem& system);

// Whether each degree of freedom 0 .. count − 1 is restrained by the support table; count must
// cover every node's three.
std::vector<bool> RestrainedDofs(const Model& model, size_t count);
