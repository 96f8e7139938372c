// The support step of a run: every restrained degree of freedom gets a zero row and column with
// 1.0 on the diagonal and a zero load, so its displacement comes out exactly 0 and the matrix
// stays symmetric. Any non-zero flag restrains; a load on a restrained direction is discarded.
#pragma once

#include "basics/profile_matrix.h"

void ApplySupports();

// The matrix part of it, for any matrix in the stiffness numbering and envelope: a zero row and
// column with 1.0 on the diagonal at every restrained degree of freedom.
void RestrainSupportedDofs(ProfileMatrix& matrix);
