// The largest model the 16-bit equation numbers allow: 10923 nodes are refused with a message
// before anything large is allocated and the earlier outputs stay; 10922 nodes (32766 degrees of
// freedom) pass the size check, and a model of that size whose matrices would not fit memory is
// refused, or fails to allocate, with a message instead of ending the program.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "analysis/analysis_memory.h"
#include "analysis/analysis_system.h"
#include "hardening/hardening_support.h"
#include "model/model.h"
#include "report/report_path.h"
#include "run/run_analysis.h"
#include "run/work_files.h"
#include "support/test_support.h"

namespace {

constexpr uint64_t kGigabyte = uint64_t{1} << 30;

// `nodeCount` nodes 10 cm apart on a line, fixed at node 1 and loaded at the last. A chain joins
// each node to the next, a narrow band; a fan joins node 1 to every other node, so every equation
// reaches back to the first and the stiffness envelope is the whole matrix.
enum class Layout { Chain, Fan };

std::string LineModelText(int nodeCount, Layout layout) {
  std::string text = "FEMDATA\r\nline of nodes\r\ncounts\r\n";
  text += std::to_string(nodeCount) + ",1," + std::to_string(nodeCount - 1) + ",1,1\r\nnodes\r\n";
  for (int i = 1; i <= nodeCount; ++i) text += std::to_string(i) + "," + std::to_string(10 * i) + ",0\r\n";
  text += "sections\r\n1,50,400,2100000\r\nmembers\r\n";
  for (int i = 1; i < nodeCount; ++i) {
    const int node1 = layout == Layout::Chain ? i : 1;
    text += std::to_string(i) + "," + std::to_string(node1) + "," + std::to_string(i + 1) + ",1\r\n";
  }
  text += "loads\r\n" + std::to_string(nodeCount) + ",0,-1000,0\r\nsupports\r\n1,1,1,1\r\n";
  return text;
}

}  // namespace

TEST(LargestModel, MoreThan10922NodesAreRefusedBeforeAnythingLargeIsAllocated) {
  ScratchDirectory scratch;
  const Model small =
      LoadModelFile(CopyModelFile(ExamplePath("cantilever.txt"), scratch.File("small.txt")));
  RunAnalysis(small, scratch.work());

  // A fan, whose envelope is the whole matrix: sized, it would take gigabytes.
  WriteFileBytes(scratch.File("fan.txt"), LineModelText(10923, Layout::Fan));
  const Model fan = LoadModelFile(scratch.File("fan.txt"));
  const OutputSnapshot earlier({Work1Path(scratch.work()), Work2Path(scratch.work()),
                                TracePath(scratch.work()), ReportPath(small.modelPath),
                                ReportPath(fan.modelPath)});
  const long peakBefore = PeakResidentKilobytes();
  const RunError error = ErrorOf([&] { RunAnalysis(fan, scratch.work()); });
  EXPECT_EQ(error.cause(), RunErrorCause::TooManyNodes);
  ExpectMessageHolds(error, {"節点数が多すぎるため解析できません。", "10923", "10922"});
  EXPECT_LT(PeakResidentKilobytes() - peakBefore, 64 * 1024);
  earlier.ExpectUnchanged();
}

TEST(LargestModel, TenThousandNineHundredTwentyTwoNodesPassTheSizeCheck) {
  ScratchDirectory scratch;
  WriteFileBytes(scratch.File("chain.txt"), LineModelText(10922, Layout::Chain));
  const Model model = LoadModelFile(scratch.File("chain.txt"));
  ASSERT_EQ(model.nodeCount, 10922);
  const long peakBefore = PeakResidentKilobytes();
  const AnalysisSystem system = SizeAnalysisSystem(model);
  EXPECT_EQ(system.dofCount, 32766);
  EXPECT_EQ(system.globalStiffness.size(), 32767u);
  EXPECT_EQ(system.loadVector, std::vector<double>(32767, 0.0));
  std::printf("10922-node chain: estimate %llu bytes, peak resident set grew by %ld kB\n",
              static_cast<unsigned long long>(AnalysisMatrixBytes(model, 32766)),
              PeakResidentKilobytes() - peakBefore);
}

// Sizing the system for that model in a child process whose address space is capped at 1 GB:
// whether this machine's memory check refuses it or the allocation then fails, the run ends
// with the memory's RunError, never with a crash or a bad_alloc out of the run.
TEST(LargestModel, SizingAModelBeyondMemoryEndsWithAMessage) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves more address space than the cap allows";
#else
  ScratchDirectory scratch;
  WriteFileBytes(scratch.File("fan.txt"), LineModelText(10922, Layout::Fan));
  const Model model = LoadModelFile(scratch.File("fan.txt"));
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit cap{kGigabyte, kGigabyte};
    setrlimit(RLIMIT_AS, &cap);
    try {
      SizeAnalysisSystem(model);
      _exit(10);
    } catch (const RunError& error) {
      _exit(error.cause() == RunErrorCause::OutOfMemory ? 0 : 11);
    } catch (...) {
      _exit(12);
    }
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "the child did not end normally";
  EXPECT_EQ(WEXITSTATUS(status), 0);
#endif
}
