// Resolving the member, load and support references of test models and of every example: the
// positions written, the message for the first reference that does not resolve, and the fields
// left as read after it.
#include "model/reference_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "model/model_file_reader.h"
#include "model_test_fixture.h"

namespace {

class ReferenceCheckTest : public ModelTest {
 protected:
  // The model read without a message; a file that fails to read fails the test.
  Model Read(const std::string& path) {
    std::optional<Model> model = ReadModelFile(path);
    EXPECT_TRUE(sink.messages.empty());
    return model.value();
  }
};

void ExpectMemberIndices(const MemberRecord& member, int node1, int node2, int section) {
  EXPECT_EQ(member.node1Index, node1);
  EXPECT_EQ(member.node2Index, node2);
  EXPECT_EQ(member.sectionIndex, section);
}

TEST_F(ReferenceCheckTest, WorkedExampleResolves) {
  Model model = Read(ExamplePath("cantilever.txt"));
  ASSERT_TRUE(CheckModelReferences(model));
  EXPECT_TRUE(sink.messages.empty());
  ExpectMemberIndices(model.members[0], 0, 1, 0);
  EXPECT_EQ(model.loads[0].nodeIndex, 1);
  EXPECT_EQ(model.supports[0].nodeIndex, 0);
}

// Nodes numbered 5, 7, 5: every reference to node 5 finds position 0.
TEST_F(ReferenceCheckTest, DuplicateNumbersResolveToTheFirstRecord) {
  Model model = Read(ModelData("duplicate_nodes.txt"));
  ASSERT_TRUE(CheckModelReferences(model));
  ExpectMemberIndices(model.members[0], 0, 1, 0);
  EXPECT_EQ(model.loads[0].nodeIndex, 0);
  EXPECT_EQ(model.supports[0].nodeIndex, 1);
}

TEST_F(ReferenceCheckTest, MissingNodeIsReportedBeforeMissingSection) {
  Model model = Read(ModelData("missing_node_and_section.txt"));
  EXPECT_FALSE(CheckModelReferences(model));
  EXPECT_EQ(FirstLines(sink.messages), std::vector<std::string>{
                               "部材データ定義において指定された節点データがありません。部材No＝2"});
  ExpectMemberIndices(model.members[0], 0, 1, 1);
  ExpectMemberIndices(model.members[1], 1, -1, -1);
  ExpectMemberIndices(model.members[2], 0, 0, 0);
  EXPECT_EQ(model.loads[0].nodeIndex, 0);
  EXPECT_EQ(model.supports[0].nodeIndex, 0);
}

// Member -12 has a missing section, member 13 a missing node, and the load and the support name
// a missing node: only the first bad member is reported, with its negative number.
TEST_F(ReferenceCheckTest, FirstBadMemberIsReportedBeforeLoadsAndSupports) {
  Model model = Read(ModelData("bad_members_loads_supports.txt"));
  EXPECT_FALSE(CheckModelReferences(model));
  EXPECT_EQ(FirstLines(sink.messages), std::vector<std::string>{
                               "部材データ定義において指定された特性データがありません。部材No＝-12"});
  ExpectMemberIndices(model.members[0], 0, 1, 0);
  ExpectMemberIndices(model.members[1], 0, 1, -1);
  ExpectMemberIndices(model.members[2], 0, 0, 0);
  EXPECT_EQ(model.loads[0].nodeIndex, 0);
}

TEST_F(ReferenceCheckTest, LoadOnAMissingNode) {
  Model model = Read(ModelData("bad_load.txt"));
  EXPECT_FALSE(CheckModelReferences(model));
  EXPECT_EQ(FirstLines(sink.messages),
            std::vector<std::string>{"負荷データ定義において指定された特性データがありません。"});
  EXPECT_EQ(model.loads[0].nodeIndex, 1);
  EXPECT_EQ(model.loads[1].nodeIndex, -1);
  EXPECT_EQ(model.loads[2].nodeIndex, 0);
  EXPECT_EQ(model.supports[0].nodeIndex, 0);
}

TEST_F(ReferenceCheckTest, SupportOnAMissingNode) {
  Model model = Read(ModelData("bad_support.txt"));
  EXPECT_FALSE(CheckModelReferences(model));
  EXPECT_EQ(FirstLines(sink.messages),
            std::vector<std::string>{"境界データ定義において指定された特性データがありません。"});
  EXPECT_EQ(model.loads[0].nodeIndex, 1);
  EXPECT_EQ(model.supports[0].nodeIndex, 0);
  EXPECT_EQ(model.supports[1].nodeIndex, -1);
  EXPECT_EQ(model.supports[2].nodeIndex, 0);
}

TEST_F(ReferenceCheckTest, ModelWithoutLoadsOrSupportsPasses) {
  Model model = Read(ModelData("no_loads_no_supports.txt"));
  EXPECT_TRUE(CheckModelReferences(model));
  EXPECT_TRUE(sink.messages.empty());
  ExpectMemberIndices(model.members[0], 0, 1, 0);
}

// Every example a new user can open reads and resolves; the truss is pin-jointed (no bending
// stiffness) and solvable because every node has its rotation restrained.
TEST_F(ReferenceCheckTest, EveryExampleResolves) {
  Model truss;  // simple_truss.txt, read last
  for (const char* name :
       {"cantilever.txt", "portal_frame.txt", "two_bay_frame.txt", "simple_truss.txt"}) {
    SCOPED_TRACE(name);
    const std::string bytes = ReadFileBytes(ExamplePath(name));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'),
              std::count(bytes.begin(), bytes.end(), '\r'));
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    truss = LoadModelFile(ExamplePath(name));
    EXPECT_TRUE(sink.messages.empty());
  }
  ASSERT_GT(truss.sectionCount, 0);
  for (size_t i = 0; i < static_cast<size_t>(truss.sectionCount); ++i) {
    EXPECT_EQ(truss.sections[i].inertia, 0.0f);
  }
  ASSERT_EQ(truss.supportCount, truss.nodeCount);
  // Statically determinate: members plus restrained translations equal twice the nodes.
  int restrainedTranslations = 0;
  for (size_t i = 0; i < static_cast<size_t>(truss.supportCount); ++i) {
    EXPECT_EQ(truss.supports[i].fixTheta, 1);
    restrainedTranslations += truss.supports[i].fixU + truss.supports[i].fixV;
  }
  EXPECT_EQ(truss.memberCount + restrainedTranslations, 2 * truss.nodeCount);
}

}  // namespace
