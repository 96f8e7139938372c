// How much memory the matrices of a run take, and the refusal of a model whose matrices would
// not fit: the dense global stiffness, (dofCount + 1)² doubles, and the solver's copy of the
// system and its factors, two matrices held by the envelope (profile) of the stiffness matrix.
// Together they must stay within 80% of the machine's physical memory.
#pragma once

#include <cstdint>

#include "basics/run_error.h"

// Bytes of the global stiffness and of the solver's two envelope matrices, the envelope taken
// from the members in modelStore: equation i reaches back to the lowest degree of freedom of any
// member at it (supports only narrow it). Needs resolved member indices.
uint64_t AnalysisMatrixBytes(int32_t dofCount);
// Physical memory from sysconf; 0 when the system does not tell.
uint64_t PhysicalMemoryBytes();
// Throws RunError (OutOfMemory) naming the need and the limit when `neededBytes` exceed 80% of
// `physicalBytes`; a `physicalBytes` of 0 (unknown) lets every size pass.
void CheckAnalysisMemory(int32_t dofCount, uint64_t neededBytes, uint64_t physicalBytes);

// The RunError (OutOfMemory) of an allocation that failed although the check passed.
RunError MatrixAllocationError(int32_t dofCount);
