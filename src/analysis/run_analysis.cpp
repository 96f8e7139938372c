#include "run_analysis.h"

#include <new>
#include <string>

#include "analysis_memory.h"
#include "analysis_store.h"
#include "apply_supports.h"
#include "assemble_stiffness.h"
#include "basics/arithmetic_fault.h"
#include "basics/run_error.h"
#include "build_load_vector.h"
#include "compute_member_forces.h"
#include "report/write_results_report.h"
#include "size_analysis_store.h"
#include "solve_displacements.h"

// Each step finishes, its files closed, before the next begins; the first error ends the run
// and the outputs of the later steps are not produced.
void RunAnalysis() {
  SizeAnalysisStore();
  try {
    AssembleStiffness();
    BuildLoadVector();
    ApplySupports();
    SolveDisplacements();
    ComputeMemberForces();
    WriteResultsReport();
  } catch (const ArithmeticFault& fault) {
    // Steps name the member or equation of their faults; this only keeps a fault outside those
    // places from ending the program.
    throw RunError(RunErrorCause::Arithmetic,
                   std::string("解析中に") + FaultKindText(fault.kind) + "が発生しました。");
  } catch (const std::bad_alloc&) {
    throw MatrixAllocationError(analysisStore.dofCount);
  }
}
