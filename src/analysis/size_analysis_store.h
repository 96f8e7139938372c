// The first step of a run: numbers three degrees of freedom per node and recreates the analysis
// store zero-filled (matrix and vectors with the spare index dofCount, maxima 0), the matrix
// held by the envelope its members give it.
#pragma once

// Throws RunError before anything large is allocated when the model has more than 10922 nodes
// (dofCount would not fit 16 bits) or matrices that would not fit in memory.
void SizeAnalysisStore();
