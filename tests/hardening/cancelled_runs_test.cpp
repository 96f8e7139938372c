// Runs stopped on request: whether stopped at a step boundary, in the mechanism check, in the
// decomposition (while the trace's system block is being written beside it) or in the trace, the
// run ends with "解析を中止しました。", the files of the steps it completed are new, the others
// are their earlier versions byte for byte, and no temporary file is left. A run told of its
// progress by a callback that never stops it writes and returns what a run without one does.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "run/run_progress.h"
#include "hardening/hardening_support.h"
#include "run/run_analysis.h"
#include "run/work_files.h"
#include "support/structure_families.h"

namespace {

// A model in a scratch directory and the four outputs of its run: "work1.txt", the trace,
// "work2.txt" and the report, in the order the run writes them.
struct FrameRun {
  ScratchDirectory scratch;
  const std::string path = scratch.File("frame.txt");
  const std::vector<std::string> outputs = {Work1Path(scratch.work()), TracePath(scratch.work()),
                                            Work2Path(scratch.work()),
                                            scratch.File("frame_res.txt")};

  // A 20-storey, 10-bay frame: 693 equations, enough for the trace's system block to be written
  // on a thread of its own. The variant changes its sections.
  Model Load(int variant) {
    WriteFileBytes(path, GeneratedFrame(kStructureSizes - 1, variant));
    return LoadModelFile(path);
  }
};

struct Report {
  RunStep step;
  double fraction;
};

}  // namespace

TEST(CancelledRun, LeavesTheFilesOfStepsNotReachedAsTheyWereAndNoTemporary) {
  struct Case {
    const char* name;
    RunStep step;      // the request comes in this step
    double fraction;   // once this share of it is done
    size_t completed;  // outputs (work1, trace, work2, report) written before the stop
  };
  const Case cases[] = {
      {"at the start", RunStep::Stiffness, 0.0, 0},
      {"in the mechanism check", RunStep::MechanismCheck, 0.5, 1},
      {"in the decomposition", RunStep::Decomposition, 0.5, 1},
      {"early in the trace", RunStep::Trace, 0.1, 1},
      {"late in the trace", RunStep::Trace, 0.7, 1},
      {"before the member forces", RunStep::MemberForces, 0.0, 2},
      {"before the report", RunStep::Report, 0.0, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FrameRun run;
    const Model newModel = run.Load(1);
    RunAnalysis(newModel, run.scratch.work());
    const OutputSnapshot newer(run.outputs);
    RunAnalysis(run.Load(0), run.scratch.work());
    const OutputSnapshot earlier(run.outputs);

    bool asked = false;
    RunProgress progress([&](RunStep step, double fraction) {
      asked = asked || (step == c.step && fraction >= c.fraction);
      return !asked;
    });
    const RunError error = ErrorOf([&] { RunAnalysis(newModel, run.scratch.work(), progress); });
    EXPECT_TRUE(asked);
    EXPECT_EQ(error.cause(), RunErrorCause::Cancelled);
    EXPECT_STREQ(error.what(), "解析を中止しました。");
    const auto reached = run.outputs.begin() + static_cast<std::ptrdiff_t>(c.completed);
    newer.ExpectUnchanged({reached, run.outputs.end()});
    earlier.ExpectUnchanged({run.outputs.begin(), reached});
    EXPECT_TRUE(TemporaryFilesIn(run.scratch.path()).empty());
  }
}

TEST(CancelledRun, ACallbackThatNeverStopsChangesNoByteAndSeesTheStepsInOrder) {
  FrameRun run;
  const Model model = run.Load(1);
  const AnalysisResult unwatched = RunAnalysis(model, run.scratch.work());
  const OutputSnapshot silent(run.outputs);
  std::vector<Report> reports;
  RunProgress progress([&reports](RunStep step, double fraction) {
    reports.push_back({step, fraction});
    return true;
  });
  EXPECT_EQ(RunAnalysis(model, run.scratch.work(), progress).displacements,
            unwatched.displacements);
  silent.ExpectUnchanged();

  std::vector<RunStep> steps;
  size_t withinSteps = 0;
  for (size_t i = 0; i < reports.size(); ++i) {
    if (reports[i].fraction == 0.0) {
      steps.push_back(reports[i].step);
      continue;
    }
    ++withinSteps;
    ASSERT_GT(i, 0u);
    EXPECT_EQ(reports[i].step, reports[i - 1].step);
    EXPECT_GT(reports[i].fraction, reports[i - 1].fraction);
    EXPECT_LE(reports[i].fraction, 1.0);
  }
  EXPECT_EQ(steps, (std::vector{RunStep::Stiffness, RunStep::Loads, RunStep::Supports,
                                RunStep::MechanismCheck, RunStep::Decomposition, RunStep::Trace,
                                RunStep::MemberForces, RunStep::Report}));
  // Reported by blocks: often enough to follow, few enough to cost nothing.
  EXPECT_GT(withinSteps, 100u);
  EXPECT_LE(withinSteps, 3 * RunProgress::kReportsPerStep + 50);
}
