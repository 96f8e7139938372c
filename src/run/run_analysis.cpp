#include "run_analysis.h"

#include <filesystem>
#include <new>
#include <string>
#include <utility>

#include "analysis/analysis_memory.h"
#include "analysis/along_member_results.h"
#include "analysis/apply_supports.h"
#include "analysis/assemble_stiffness.h"
#include "analysis/build_load_vector.h"
#include "analysis/compute_member_forces.h"
#include "analysis/loaded_members.h"
#include "analysis/node_forces.h"
#include "arithmetic/arithmetic_fault.h"
#include "messages/run_error.h"
#include "report/write_results_report.h"
#include "solve_displacements.h"
#include "work_files.h"

namespace {

// Each step finishes, its files closed, before the next begins; the first error ends the run
// and the outputs of the later steps are not produced. Each work file is written once its step
// knows all its values, so a failed step leaves the previous run's file whole, and the run goes
// on with the values as the file holds them.
AnalysisResult RunSteps(const Model& model, const WorkDirectory& directory,
                        RunProgress& progress, const RunOptions& options) {
  AnalysisSystem system = SizeAnalysisSystem(model);
  const std::vector<double> memberMatrices =
      WriteWork1(directory, AssembleStiffness(model, system));
  progress.Begin(RunStep::Loads);
  BuildLoadVector(model, system);
  const MemberLoading loading = LoadAlongMembers(model);
  AddEquivalentNodalLoads(model, loading, system);
  progress.Begin(RunStep::Supports);
  ApplySupports(model, system);
  AnalysisResult result;
  std::string tracePath = TracePath(directory);
  if (!options.writeTrace) {
    std::error_code ignored;
    std::filesystem::remove(tracePath, ignored);
    tracePath.clear();
  }
  result.displacements = SolveDisplacements(model, system, tracePath, progress);
  system = AnalysisSystem{};  // the matrix is no longer needed
  progress.Begin(RunStep::MemberForces);
  std::vector<double> exactForces =
      ComputeMemberForces(model, memberMatrices, result.displacements);
  AddFixedEndForces(model, loading, exactForces);
  result.endForces = WriteWork2(directory, exactForces);
  result.alongMembers =
      ValuesAlongMembers(model, loading, result.displacements, result.endForces);
  result.maxima = LocateMaxima(model, result.displacements, exactForces, result.endForces,
                               result.alongMembers);
  result.reactions =
      ComputeSupportReactions(model, result.endForces, AppliedNodeLoads(model),
                              result.displacements);
  progress.Begin(RunStep::Report);
  WriteResultsReport(model, result);
  return result;
}

}  // namespace

AnalysisResult RunAnalysis(const Model& model, const WorkDirectory& directory) {
  RunProgress silent;
  return RunAnalysis(model, directory, silent);
}

AnalysisResult RunAnalysis(const Model& model, const WorkDirectory& directory,
                           RunProgress& progress, const RunOptions& options) {
  progress.Begin(RunStep::Stiffness);
  try {
    return RunSteps(model, directory, progress, options);
  } catch (const ArithmeticFault& fault) {
    // Steps name the member or equation of their faults; this only keeps a fault outside those
    // places from ending the program.
    throw RunError(RunErrorCause::Arithmetic,
                   std::string("解析中に") + FaultKindText(fault.kind) + "が発生しました。");
  } catch (const std::bad_alloc&) {
    // The sizing step has refused a node count whose degrees of freedom would not fit 16 bits.
    const int32_t dofCount = model.nodeCount <= kMaxNodeCount ? 3 * model.nodeCount : 0;
    throw MatrixAllocationError(model, dofCount);
  }
}
