// Whole runs on model files: the cantilever's displacements, forces and report, repeatable
// files, beams and a truss against their closed forms, and the runs that must stop with a
// message naming the node, direction or member while keeping the earlier outputs.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "analysis/analysis_memory.h"
#include "analysis/analysis_store.h"
#include "support/file_lines.h"
#include "analysis/run_analysis.h"
#include "support/run_error_of.h"
#include "analysis/work_files.h"
#include "basics/number_text.h"
#include "basics/program_directory.h"
#include "basics/run_error.h"
#include "model/model_file_reader.h"
#include "model/reference_check.h"
#include "solver/solver_store.h"
#include "support/test_support.h"

namespace {

constexpr double kEI = 2100000.0 * 400.0;  // kg·cm² of the beams' section

// Copies a model of tests/data/analysis into the scratch directory, so the report lands there,
// and reads and checks it.
std::string LoadModel(const ScratchDirectory& scratch, const std::string& name) {
  const std::string path = scratch.File(name);
  WriteFileBytes(path, ReadFileBytes(TestDataPath("analysis/" + name)));
  EXPECT_TRUE(ReadModelFile(path));
  EXPECT_TRUE(CheckModelReferences());
  return path;
}

std::string ReportOf(const std::string& modelPath) {
  return modelPath.substr(0, modelPath.size() - 4) + "_res.txt";
}

void ExpectRelative(double actual, double expected, double tolerance = 1e-9) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * tolerance);
}

}  // namespace

TEST(RunAnalysis, CantileverTipMovesByTheClosedForms) {
  ScratchDirectory scratch;
  const std::string model = LoadModel(scratch, "cantilever.txt");
  RunAnalysis();
  const AnalysisStore& store = analysisStore;
  EXPECT_EQ(store.displacements[0], 0.0);
  EXPECT_EQ(store.displacements[2], 0.0);
  EXPECT_EQ(store.displacements[3], 0.0);
  EXPECT_EQ(FormatFixed5(store.displacements[4]), "-10.71429");
  EXPECT_EQ(FormatFixed5(store.displacements[5]), "-0.05357");
  ExpectRelative(store.displacements[4], -1000.0 * 300 * 300 * 300 / (3 * kEI));

  ExpectFileNumbersNear(Work2Path(), {0, 1, 300, 0, -1, 0}, 1e-9);
  EXPECT_EQ(FileLines(Work1Path()).size(), 36u);

  const std::vector<std::string> report = FileLines(ReportOf(model));
  ASSERT_EQ(report.size(), 35u);
  EXPECT_EQ(report[26], "2,\t0.00000,\t-10.71429,\t-0.05357");
  EXPECT_EQ(report[30], "1,\t1,\t2,\t0.00000,\t1.00000,\t3.00000,\t0.00000,\t-1.00000,\t0.00000");
  EXPECT_EQ(report[34], "10.71429,\t3.00000,\t1.00000,\t0.00000");
}

TEST(RunAnalysis, ReversedCantileverCarriesTheFixedEndMomentAsM2) {
  ScratchDirectory scratch;
  LoadModel(scratch, "cantilever_reversed.txt");
  RunAnalysis();
  ExpectFileNumbersNear(Work2Path(), {0, 1, 0, 0, -1, 300}, 1e-9);
}

TEST(RunAnalysis, TwoRunsLeaveByteIdenticalFiles) {
  ScratchDirectory scratch;
  const std::string model = LoadModel(scratch, "fixed_fixed_beam.txt");
  const std::vector<std::string> files{Work1Path(), Work2Path(), TracePath(), ReportOf(model)};
  RunAnalysis();
  std::vector<std::string> first;
  for (const std::string& file : files) first.push_back(ReadFileBytes(file));
  RunAnalysis();
  for (size_t i = 0; i < files.size(); ++i) EXPECT_EQ(ReadFileBytes(files[i]), first[i]) << files[i];
}

// Every byte of the four files of a frame whose numbers show each rounding: decimal coordinates
// (differences in single precision), sections whose A·E and (E·c)·I round in single precision,
// lengths that are not whole, end forces whose division by 1000 into t is not exact. The
// expected files in awkward_frame_expected/ were computed by a separate dense program that
// follows the same arithmetic in full matrices (no envelope), so they also check the solver's
// envelope against whole rows.
TEST(RunAnalysis, AwkwardFrameGivesTheExpectedFilesByteForByte) {
  ScratchDirectory scratch;
  const std::string model = LoadModel(scratch, "awkward_frame.txt");
  RunAnalysis();
  const std::vector<std::pair<std::string, std::string>> files{
      {Work1Path(), "work1.txt"},
      {Work2Path(), "work2.txt"},
      {TracePath(), "NColes.txt"},
      {ReportOf(model), "awkward_frame_res.txt"}};
  for (const auto& [actual, expected] : files) {
    EXPECT_EQ(ReadFileBytes(actual),
              ReadFileBytes(TestDataPath("analysis/awkward_frame_expected/" + expected)))
        << expected;
  }
}

TEST(RunAnalysis, SimplySupportedBeamDeflectsByPL3Over48EI) {
  ScratchDirectory scratch;
  LoadModel(scratch, "simply_supported_beam.txt");
  RunAnalysis();
  const double span = 600.0;
  ExpectRelative(analysisStore.displacements[4], -1000.0 * span * span * span / (48 * kEI));
  EXPECT_NEAR(analysisStore.displacements[5], 0.0, 1e-12);  // symmetric: no midspan rotation
  ExpectRelative(analysisStore.maxMoment, 1000.0 * span / 4 / 1000);  // PL/4 in t·cm
}

TEST(RunAnalysis, FixedFixedBeamDeflectsByPL3Over192EIWithEndMomentsPLOver8) {
  ScratchDirectory scratch;
  LoadModel(scratch, "fixed_fixed_beam.txt");
  RunAnalysis();
  const double span = 600.0;
  ExpectRelative(analysisStore.displacements[4], -1000.0 * span * span * span / (192 * kEI));
  const std::vector<double> forces = FileNumbers(Work2Path());
  const double endMoment = 1000.0 * span / 8 / 1000;  // t·cm
  ExpectRelative(std::fabs(forces[2]), endMoment);    // member 1 at the left support
  ExpectRelative(std::fabs(forces[5]), endMoment);    // member 1 at midspan
  ExpectRelative(std::fabs(forces[11]), endMoment);   // member 2 at the right support
  ExpectRelative(analysisStore.maxMoment, endMoment);
  ExpectRelative(analysisStore.maxShearForce, 0.5);
}

TEST(RunAnalysis, TriangularTrussCarriesTheStaticallyDeterminateBarForces) {
  ScratchDirectory scratch;
  LoadModel(scratch, "triangle_truss.txt");
  RunAnalysis();
  // Apex load 3000 kg, bars at sin 0.6: each inclined bar 2500 kg compression, the tie 2000 kg.
  const std::vector<double> forces = FileNumbers(Work2Path());
  ASSERT_EQ(forces.size(), 18u);
  ExpectRelative(forces[0], -2.0);
  ExpectRelative(forces[3], 2.0);
  ExpectRelative(forces[9], -2.5);
  ExpectRelative(forces[15], -2.5);
  for (size_t i : {1u, 2u, 4u, 5u, 7u, 8u, 10u, 11u}) EXPECT_NEAR(forces[i], 0.0, 1e-9) << i;
  ExpectRelative(analysisStore.maxAxialForce, 2.5);
}

// An exact zero pivot (a truss node's rotation), and the two mechanisms whose pivots rounding
// leaves a little off zero: a frame on rollers only, and a beam whose support count leaves out
// its roller.
TEST(RunAnalysis, ZeroPivotNamesNodeAndDirectionAndKeepsEarlierOutputs) {
  const std::pair<const char*, const char*> cases[] = {
      {"truss_free_rotation.txt", "節点No＝3 の θ 方向"},
      {"rollers_only_frame.txt", "節点No＝6 の u 方向"},
      {"miscounted_support_beam.txt", "節点No＝3 の θ 方向"},
  };
  for (const auto& [file, place] : cases) {
    SCOPED_TRACE(file);
    ScratchDirectory scratch;
    const std::string model = LoadModel(scratch, file);
    WriteFileBytes(TracePath(), "earlier trace\r\n");
    WriteFileBytes(Work2Path(), " 1 \r\n");
    WriteFileBytes(ReportOf(model), "earlier report\r\n");
    const RunError error = ErrorOf(RunAnalysis);
    EXPECT_EQ(error.cause(), RunErrorCause::ZeroPivot);
    EXPECT_NE(std::string(error.what()).find(place), std::string::npos) << error.what();
    EXPECT_EQ(ReadFileBytes(TracePath()), "earlier trace\r\n");
    EXPECT_EQ(ReadFileBytes(Work2Path()), " 1 \r\n");
    EXPECT_EQ(ReadFileBytes(ReportOf(model)), "earlier report\r\n");
  }
}

TEST(RunAnalysis, ZeroLengthMemberStopsBeforeAnyOutput) {
  ScratchDirectory scratch;
  const std::string model = LoadModel(scratch, "zero_length_member.txt");
  const RunError error = ErrorOf(RunAnalysis);
  EXPECT_EQ(error.cause(), RunErrorCause::ZeroLengthMember);
  EXPECT_NE(std::string(error.what()).find("部材No＝5"), std::string::npos) << error.what();
  for (const std::string& file : {Work1Path(), Work2Path(), TracePath(), ReportOf(model)}) {
    EXPECT_FALSE(FileExists(file)) << file;
  }
}

// The memory check counts, before the run, exactly what the run's matrices and vectors then hold,
// all of them in the envelope the members give.
TEST(RunAnalysis, HoldsWhatTheMemoryCheckCounted) {
  ScratchDirectory scratch;
  LoadModel(scratch, "triangle_truss.txt");
  RunAnalysis();
  const AnalysisStore& store = analysisStore;
  const std::vector<size_t> envelope = StiffnessEnvelope(store.dofCount);
  ASSERT_EQ(store.globalStiffness.size(), envelope.size());
  for (size_t i = 0; i < envelope.size(); ++i) {
    EXPECT_EQ(store.globalStiffness.first(i), envelope[i]) << i;
    EXPECT_EQ(solverStore.matA.first(i), envelope[i]) << i;
  }
  const size_t vectorEntries = store.loadVector.size() + store.displacements.size() +
                               solverStore.vecB.size() + solverStore.vecY.size() +
                               solverStore.vecX.size();
  EXPECT_EQ(AnalysisMatrixBytes(store.dofCount),
            store.globalStiffness.MemoryBytes() + solverStore.matA.MemoryBytes() +
                solverStore.matLDU.MemoryBytes() + sizeof(double) * vectorEntries);
}
