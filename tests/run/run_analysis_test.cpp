// Whole runs on model files: beams and a truss against their closed forms, the expected files of
// some models byte for byte, repeatable files, and the runs that must stop with a message naming
// the node, direction or member while keeping the earlier outputs.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "messages/run_error.h"
#include "run/run_analysis.h"
#include "run/work_files.h"
#include "support/file_lines.h"
#include "support/run_error_of.h"
#include "support/test_support.h"

namespace {

constexpr double kEI = 2100000.0 * 400.0;  // kg·cm² of the beams' section

// Copies a model of tests/data/analysis into the scratch directory, so the report lands there,
// and reads and checks it.
Model LoadModel(const ScratchDirectory& scratch, const std::string& name) {
  const std::string path = scratch.File(name);
  WriteFileBytes(path, ReadFileBytes(TestDataPath("analysis/" + name)));
  return LoadModelFile(path);
}

std::string ReportOf(const std::string& modelPath) {
  return modelPath.substr(0, modelPath.size() - 4) + "_res.txt";
}

void ExpectRelative(double actual, double expected, double tolerance = 1e-9) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * tolerance);
}

}  // namespace

// Beams with 1000 kg at node 2 against their closed forms: the deflection there PL³/(cEI), the
// largest moment (t·cm) at every end force named, the largest shear; a symmetric beam does not
// turn at midspan, and a restrained direction does not move at all.
TEST(RunAnalysis, BeamsFollowTheirClosedForms) {
  struct Beam {
    const char* model;
    double span;     // cm
    double divisor;  // c
    double maxMoment;
    std::vector<size_t> momentEntries;  // of the end forces
    double maxShear;
    bool symmetric;
  };
  const Beam beams[] = {
      {"cantilever.txt", 300, 3, 300, {2}, 1.0, false},
      {"cantilever_reversed.txt", 300, 3, 300, {5}, 1.0, false},
      {"simply_supported_beam.txt", 600, 48, 150, {5, 8}, 0.5, true},
      {"fixed_fixed_beam.txt", 600, 192, 75, {2, 5, 8, 11}, 0.5, true},
  };
  for (const Beam& beam : beams) {
    SCOPED_TRACE(beam.model);
    ScratchDirectory scratch;
    const Model model = LoadModel(scratch, beam.model);
    const AnalysisResult result = RunAnalysis(model, scratch.work());
    const double span3 = beam.span * beam.span * beam.span;
    ExpectRelative(result.displacements[4], -1000.0 * span3 / (beam.divisor * kEI));
    if (beam.symmetric) {
      EXPECT_NEAR(result.displacements[5], 0.0, 1e-12);
    }
    for (size_t entry : beam.momentEntries) {
      ExpectRelative(std::fabs(result.endForces[entry]), beam.maxMoment);
    }
    ExpectRelative(result.maxima.moment.value, beam.maxMoment);
    ExpectRelative(result.maxima.shear.value, beam.maxShear);
    for (const SupportRecord& support : model.supports) {
      const int16_t flags[3] = {support.fixU, support.fixV, support.fixTheta};
      for (size_t d = 0; d < 3; ++d) {
        if (flags[d] == 0) continue;
        EXPECT_EQ(result.displacements[3 * static_cast<size_t>(support.nodeIndex) + d], 0.0);
      }
    }
  }
}

TEST(RunAnalysis, TwoRunsLeaveByteIdenticalFiles) {
  ScratchDirectory scratch;
  const Model model = LoadModel(scratch, "fixed_fixed_beam.txt");
  const WorkDirectory work = scratch.work();
  const std::vector<std::string> files{Work1Path(work), Work2Path(work), TracePath(work),
                                       ReportOf(model.modelPath)};
  RunAnalysis(model, work);
  std::vector<std::string> first;
  for (const std::string& file : files) first.push_back(ReadFileBytes(file));
  RunAnalysis(model, work);
  for (size_t i = 0; i < files.size(); ++i) EXPECT_EQ(ReadFileBytes(files[i]), first[i]) << files[i];
}

// Every byte of the files in <model>_expected/ beside each model. The awkward frame's numbers
// show each rounding: decimal coordinates (differences in single precision), sections whose A·E
// and (E·c)·I round in single precision, lengths that are not whole, end forces whose division by
// 1000 into t is not exact. Its four files were computed by a separate dense program that follows
// the same arithmetic in full matrices (no envelope), so they also check the solver's envelope
// against whole rows.
TEST(RunAnalysis, ModelsGiveTheirExpectedFilesByteForByte) {
  for (const std::string model : {"awkward_frame", "cantilever", "cantilever_reversed"}) {
    SCOPED_TRACE(model);
    ScratchDirectory scratch;
    RunAnalysis(LoadModel(scratch, model + ".txt"), scratch.work());
    const std::string expected = TestDataPath("analysis/" + model + "_expected");
    for (const auto& file : std::filesystem::directory_iterator(expected)) {
      const std::string name = file.path().filename().string();
      EXPECT_EQ(ReadFileBytes(scratch.File(name)), ReadFileBytes(file.path().string())) << name;
    }
  }
}

TEST(RunAnalysis, TriangularTrussCarriesTheStaticallyDeterminateBarForces) {
  ScratchDirectory scratch;
  const AnalysisResult result =
      RunAnalysis(LoadModel(scratch, "triangle_truss.txt"), scratch.work());
  // Apex load 3000 kg, bars at sin 0.6: each inclined bar 2500 kg compression, the tie 2000 kg.
  const std::vector<double>& forces = result.endForces;
  EXPECT_EQ(FileNumbers(Work2Path(scratch.work())), forces);  // as "work2.txt" holds them
  ASSERT_EQ(forces.size(), 18u);
  ExpectRelative(forces[0], -2.0);
  ExpectRelative(forces[3], 2.0);
  ExpectRelative(forces[9], -2.5);
  ExpectRelative(forces[15], -2.5);
  for (size_t i : {1u, 2u, 4u, 5u, 7u, 8u, 10u, 11u}) EXPECT_NEAR(forces[i], 0.0, 1e-9) << i;
  ExpectRelative(result.maxima.axial.value, 2.5);
}

// A run that stops names the place in its message and leaves the files of the steps it did not
// reach as they were: at the solution an exact zero pivot (a truss node's rotation) and two
// mechanisms whose pivots rounding leaves a little off zero (a frame on rollers only, a beam
// whose support count leaves out its roller); a zero-length member before any output.
TEST(RunAnalysis, AStoppedRunNamesThePlaceAndKeepsTheLaterOutputs) {
  struct Stop {
    const char* model;
    RunErrorCause cause;
    const char* place;
    bool keepsWork1;
  };
  const Stop stops[] = {
      {"truss_free_rotation.txt", RunErrorCause::ZeroPivot, "節点No＝3 の θ 方向", false},
      {"rollers_only_frame.txt", RunErrorCause::ZeroPivot, "節点No＝6 の u 方向", false},
      {"miscounted_support_beam.txt", RunErrorCause::ZeroPivot, "節点No＝3 の θ 方向", false},
      {"zero_length_member.txt", RunErrorCause::ZeroLengthMember, "部材No＝5", true},
  };
  for (const Stop& stop : stops) {
    SCOPED_TRACE(stop.model);
    ScratchDirectory scratch;
    const Model model = LoadModel(scratch, stop.model);
    const WorkDirectory work = scratch.work();
    std::vector<std::string> kept{TracePath(work), Work2Path(work), ReportOf(model.modelPath)};
    if (stop.keepsWork1) kept.push_back(Work1Path(work));
    for (const std::string& file : kept) WriteFileBytes(file, "earlier " + file);
    const RunError error = ErrorOf([&] { RunAnalysis(model, work); });
    EXPECT_EQ(error.cause(), stop.cause);
    EXPECT_NE(std::string(error.what()).find(stop.place), std::string::npos) << error.what();
    for (const std::string& file : kept) EXPECT_EQ(ReadFileBytes(file), "earlier " + file);
  }
}
