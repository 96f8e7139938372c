// Work files damaged between the step that writes them and the step that reads them back:
// "work1.txt" before the member forces, "work2.txt" before the report and before the force
// diagrams. The reading step stops with a message naming the file, the files it would have
// written keep their earlier bytes, and a new run in the same process puts everything right.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "analysis/apply_supports.h"
#include "analysis/assemble_stiffness.h"
#include "analysis/build_load_vector.h"
#include "analysis/compute_member_forces.h"
#include "analysis/size_analysis_store.h"
#include "analysis/work_files.h"
#include "drawing/drawing_builders.h"
#include "drawing/drawing_lists.h"
#include "hardening/hardening_support.h"
#include "report/write_results_report.h"
#include "run/run_analysis.h"
#include "run/solve_displacements.h"
#include "support/test_support.h"

namespace {

constexpr float kPictureWidth = 6255.0f;
constexpr int16_t kPictureHeight = 6015;

struct Damage {
  const char* name;
  void (*apply)(const std::string& path);
};

// Every way a file the program wrote can be spoiled behind its back. A file cut inside its last
// line still ends in a number, only without its line end.
const Damage kDamages[] = {
    {"replaced by a directory", [](const std::string& path) { BlockFile(path, Blocker::Directory); }},
    {"removed", ClearPath},
    {"emptied", [](const std::string& path) { TruncateFile(path, 0); }},
    {"cut to half", [](const std::string& path) {
       TruncateFile(path, static_cast<size_t>(std::filesystem::file_size(path) / 2));
     }},
    {"cut inside its last line", [](const std::string& path) {
       TruncateFile(path, static_cast<size_t>(std::filesystem::file_size(path) - 3));
     }},
    {"holding text", [](const std::string& path) { WriteFileBytes(path, "消えた\r\n"); }},
};

void SolveWithoutMemberForces() {
  SizeAnalysisStore();
  AssembleStiffness();
  BuildLoadVector();
  ApplySupports();
  RunProgress silent;
  SolveDisplacements(silent);
}

struct ForceDiagramLists {
  std::vector<LineSegment> moment, shear, axial;
};

std::vector<LineSegment> Records(const DrawingList& list) {
  return {list.InUse().begin(), list.InUse().end()};
}

bool Same(const std::vector<LineSegment>& a, const std::vector<LineSegment>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].X1 != b[i].X1 || a[i].Y1 != b[i].Y1 || a[i].X2 != b[i].X2 || a[i].Y2 != b[i].Y2) {
      return false;
    }
  }
  return true;
}

ForceDiagramLists BuildForceDiagrams() {
  BuildBendingMomentDiagram(kPictureWidth, kPictureHeight);
  BuildShearForceDiagram(kPictureWidth, kPictureHeight);
  BuildAxialForceDiagram(kPictureWidth, kPictureHeight);
  return {Records(BendingMomentLines),
          Records(ShearForceLines), Records(AxialForceLines)};
}

class DamagedWorkFile : public testing::Test {
 protected:
  void SetUp() override {
    LoadModel(CopyModelFile(ExamplePath("two_bay_frame.txt"), scratch.File("two_bay_frame.txt")));
    ComputeModelExtents();
    LayoutMembers(kPictureWidth, kPictureHeight);
    RunAnalysis();
  }

  // Once the damaged file is out of the way, a fresh run gives the first run's bytes again.
  void ExpectANewRunRecovers(const std::string& damaged, const OutputSnapshot& goodRun) {
    ClearPath(damaged);
    RunAnalysis();
    goodRun.ExpectUnchanged();
  }

  // Each damage to `file` between `prepare` and `step` stops the step with the read error naming
  // the file; the other outputs keep the good run's bytes, and a new run puts everything right.
  void ExpectEveryDamageStops(const std::string& file, const std::function<void()>& prepare,
                              const std::function<void()>& step) {
    const OutputSnapshot goodRun({Work1Path(), Work2Path(), ReportOfLoadedModel()});
    for (const Damage& damage : kDamages) {
      SCOPED_TRACE(file + " " + damage.name);
      prepare();
      damage.apply(file);
      const RunError error = ErrorOf(step);
      EXPECT_EQ(error.cause(), RunErrorCause::FileRead);
      ExpectMessageHolds(error, {file});
      goodRun.ExpectUnchanged({file});
      ExpectANewRunRecovers(file, goodRun);
    }
  }

  ScratchDirectory scratch;
};

}  // namespace

TEST_F(DamagedWorkFile, Work1BeforeTheMemberForces) {
  ExpectEveryDamageStops(Work1Path(), SolveWithoutMemberForces, ComputeMemberForces);
}

TEST_F(DamagedWorkFile, Work2BeforeTheReport) {
  ExpectEveryDamageStops(
      Work2Path(),
      [] {
        SolveWithoutMemberForces();
        ComputeMemberForces();
      },
      WriteResultsReport);
}

TEST_F(DamagedWorkFile, Work2BeforeTheForceDiagrams) {
  BuildDeflectedShape(kPictureWidth, kPictureHeight);
  const ForceDiagramLists good = BuildForceDiagrams();
  const OutputSnapshot goodRun({Work1Path(), Work2Path(), ReportOfLoadedModel()});
  using Builder = void (*)(float, int16_t);
  for (Builder builder : {BuildBendingMomentDiagram, BuildShearForceDiagram, BuildAxialForceDiagram}) {
    for (const Damage& damage : kDamages) {
      SCOPED_TRACE(std::string("work2.txt ") + damage.name);
      damage.apply(Work2Path());
      const RunError error = ErrorOf([builder] { builder(kPictureWidth, kPictureHeight); });
      EXPECT_EQ(error.cause(), RunErrorCause::FileRead);
      ExpectMessageHolds(error, {Work2Path()});
      // The deflected shape does not need the file.
      BuildDeflectedShape(kPictureWidth, kPictureHeight);

      ExpectANewRunRecovers(Work2Path(), goodRun);
      const ForceDiagramLists again = BuildForceDiagrams();
      EXPECT_TRUE(Same(again.moment, good.moment));
      EXPECT_TRUE(Same(again.shear, good.shear));
      EXPECT_TRUE(Same(again.axial, good.axial));
    }
  }
}
