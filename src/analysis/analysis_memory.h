// The envelope (profile) of the global stiffness matrix, known from the members before anything
// large is allocated, how much memory a run's matrices and vectors then take, and the refusal of
// a model whose run would not fit within 80% of the machine's physical memory.
#pragma once

#include <cstdint>
#include <vector>

#include "messages/run_error.h"
#include "model/model.h"

// first[d] over indices 0 .. dofCount: a member couples its six degrees of freedom, so each of
// them reaches back to the member's lowest one; first[d] = d where no member reaches further,
// and the spare index dofCount holds only its diagonal. Supports only narrow what is non-zero.
// Needs resolved member indices.
std::vector<size_t> StiffnessEnvelope(const Model& model, int32_t dofCount);
// Bytes of a run held by that envelope at its peak: the global stiffness with either the
// mechanism check's matrix or the solver's factors (both in the same envelope), and the load,
// displacement and substitution vectors.
uint64_t AnalysisMatrixBytes(const std::vector<size_t>& envelope);
// The same for the model's members.
uint64_t AnalysisMatrixBytes(const Model& model, int32_t dofCount);
// Physical memory from sysconf; 0 when the system does not tell.
uint64_t PhysicalMemoryBytes();
// Throws RunError (OutOfMemory) naming the need and the limit when `neededBytes` exceed 80% of
// `physicalBytes`; a `physicalBytes` of 0 (unknown) lets every size pass.
void CheckAnalysisMemory(int32_t dofCount, uint64_t neededBytes, uint64_t physicalBytes);

// The RunError (OutOfMemory) of an allocation that failed although the check passed.
RunError MatrixAllocationError(const Model& model, int32_t dofCount);
