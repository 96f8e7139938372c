#include "run_analysis.h"

#include <new>
#include <string>

#include "analysis/analysis_memory.h"
#include "analysis/analysis_store.h"
#include "analysis/apply_supports.h"
#include "analysis/assemble_stiffness.h"
#include "analysis/build_load_vector.h"
#include "analysis/compute_member_forces.h"
#include "analysis/size_analysis_store.h"
#include "basics/arithmetic_fault.h"
#include "basics/run_error.h"
#include "report/write_results_report.h"
#include "solve_displacements.h"

// Each step finishes, its files closed, before the next begins; the first error ends the run
// and the outputs of the later steps are not produced.
void RunAnalysis() {
  RunProgress silent;
  RunAnalysis(silent);
}

void RunAnalysis(RunProgress& progress) {
  progress.Begin(RunStep::Stiffness);
  SizeAnalysisStore();
  try {
    AssembleStiffness();
    progress.Begin(RunStep::Loads);
    BuildLoadVector();
    progress.Begin(RunStep::Supports);
    ApplySupports();
    SolveDisplacements(progress);
    progress.Begin(RunStep::MemberForces);
    ComputeMemberForces();
    progress.Begin(RunStep::Report);
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
