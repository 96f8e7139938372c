// Reading model files from tests/data/model and examples/: the fields that land in the store,
// the message each faulty file gives, and what the store holds after a failure.
#include "model/model_file_reader.h"

#include <gtest/gtest.h>

#include "model_test_fixture.h"

namespace {

using ModelFileReaderTest = ModelTest;

void ExpectSameTables(const ModelStore& a, const ModelStore& b) {
  EXPECT_EQ(a.nodeCount, b.nodeCount);
  EXPECT_EQ(a.sectionCount, b.sectionCount);
  EXPECT_EQ(a.memberCount, b.memberCount);
  EXPECT_EQ(a.loadCount, b.loadCount);
  EXPECT_EQ(a.supportCount, b.supportCount);
  EXPECT_EQ(a.nodes, b.nodes);
  EXPECT_EQ(a.sections, b.sections);
  EXPECT_EQ(a.members, b.members);
  EXPECT_EQ(a.loads, b.loads);
  EXPECT_EQ(a.supports, b.supports);
}

// Every field as read, resolved indices 0, and the all-zero spare record at position count.
TEST_F(ModelFileReaderTest, WorkedExampleFillsEveryField) {
  const std::string path = ExamplePath("cantilever.txt");
  ASSERT_TRUE(ReadModelFile(path));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(modelStore.modelPath, path);
  EXPECT_EQ(modelStore.nodeCount, 2);
  EXPECT_EQ(modelStore.sectionCount, 1);
  EXPECT_EQ(modelStore.memberCount, 1);
  EXPECT_EQ(modelStore.loadCount, 1);
  EXPECT_EQ(modelStore.supportCount, 1);
  EXPECT_EQ(modelStore.nodes, (std::vector<NodeRecord>{{1, 0.0f, 0.0f}, {2, 300.0f, 0.0f}, {}}));
  EXPECT_EQ(modelStore.sections,
            (std::vector<SectionRecord>{{1, 50.0f, 400.0f, 2100000.0f}, {}}));
  EXPECT_EQ(modelStore.members, (std::vector<MemberRecord>{{1, 1, 2, 1, 0, 0, 0}, {}}));
  EXPECT_EQ(modelStore.loads, (std::vector<NodalLoadRecord>{{2, 0.0f, -1000.0f, 0.0f, 0}, {}}));
  EXPECT_EQ(modelStore.supports, (std::vector<SupportRecord>{{1, 1, 1, 1, 0}, {}}));
}

// LF-only line ends, a record split over lines, raw bytes and commas in the free lines, and
// lines after the support table all leave the worked example's model unchanged.
TEST_F(ModelFileReaderTest, VariantsOfTheWorkedExampleReadTheSame) {
  ASSERT_TRUE(ReadModelFile(ExamplePath("cantilever.txt")));
  const ModelStore expected = modelStore;
  for (const char* name : {"cantilever_lf.txt", "split_record.txt", "free_lines_raw_bytes.txt",
                           "extra_lines_after_supports.txt"}) {
    SCOPED_TRACE(name);
    modelStore = ModelStore{};
    ASSERT_TRUE(ReadModelFile(ModelData(name)));
    ExpectSameTables(modelStore, expected);
  }
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ModelFileReaderTest, FirstLineMustBeExactlyFemdata) {
  ASSERT_TRUE(ReadModelFile(ModelData("duplicate_nodes.txt")));
  const ModelStore previous = modelStore;
  for (const char* name : {"first_line_lowercase.txt", "first_line_trailing_blank.txt"}) {
    SCOPED_TRACE(name);
    sink.messages.clear();
    EXPECT_FALSE(ReadModelFile(ModelData(name)));
    EXPECT_EQ(sink.messages, std::vector<std::string>{kFileTypeMessage});
    // Nothing past the first line is read: only the path is new.
    EXPECT_EQ(modelStore.modelPath, ModelData(name));
    ExpectSameTables(modelStore, previous);
  }
}

// The field faults sit in otherwise complete copies of the worked example; a comma before a
// line end leaves an empty value.
TEST_F(ModelFileReaderTest, FaultyFilesGiveTheReadFailureMessage) {
  for (const char* name :
       {"ends_early.txt", "missing_load_header.txt", "support_count_40000.txt",
        "negative_count.txt", "non_numeric_field.txt", "empty_field.txt",
        "real_beyond_float.txt", "integer_beyond_16_bits.txt", "record_ends_in_comma.txt",
        "no_such_file.txt"}) {
    SCOPED_TRACE(name);
    sink.messages.clear();
    EXPECT_FALSE(ReadModelFile(ModelData(name)));
    EXPECT_EQ(sink.messages, std::vector<std::string>{kReadFailureMessage});
    EXPECT_EQ(modelStore.modelPath, ModelData(name));
  }
}

// A failure after the counts: all five tables are recreated, and what was read stays.
TEST_F(ModelFileReaderTest, FailureInATableKeepsWhatWasRead) {
  ASSERT_TRUE(ReadModelFile(ModelData("duplicate_nodes.txt")));
  EXPECT_FALSE(ReadModelFile(ModelData("ends_early.txt")));
  EXPECT_EQ(modelStore.nodeCount, 3);
  ASSERT_EQ(modelStore.nodes.size(), 4u);
  EXPECT_EQ(modelStore.nodes[0].nodeNo, 1);
  EXPECT_EQ(modelStore.nodes[1].nodeNo, 2);
  EXPECT_EQ(modelStore.nodes[1].x, 300.0f);
  EXPECT_EQ(modelStore.nodes[2].nodeNo, 0);
  ASSERT_EQ(modelStore.sections.size(), 2u);
  EXPECT_EQ(modelStore.sections[0].area, 0.0f);
  ASSERT_EQ(modelStore.supports.size(), 2u);
  EXPECT_EQ(modelStore.supports[0].nodeNo, 0);

  // The missing load header shifts the support table by one line, so its record is missing.
  EXPECT_FALSE(ReadModelFile(ModelData("missing_load_header.txt")));
  EXPECT_EQ(modelStore.members[0].node2No, 2);
  EXPECT_EQ(modelStore.loads.size(), 1u);
  ASSERT_EQ(modelStore.supports.size(), 2u);
  EXPECT_EQ(modelStore.supports[0].fixU, 0);

  // Fields of a record before the faulty one are kept.
  EXPECT_FALSE(ReadModelFile(ModelData("non_numeric_field.txt")));
  EXPECT_EQ(modelStore.nodes[0].nodeNo, 1);
  EXPECT_EQ(modelStore.nodes[0].x, 0.0f);
}

// A failure on the counts line: the counts read before it are new, the tables are the old ones.
TEST_F(ModelFileReaderTest, FailureInTheCountsKeepsTheOldTables) {
  ASSERT_TRUE(ReadModelFile(ModelData("duplicate_nodes.txt")));
  EXPECT_FALSE(ReadModelFile(ModelData("support_count_40000.txt")));
  EXPECT_EQ(modelStore.nodeCount, 2);
  EXPECT_EQ(modelStore.loadCount, 2);
  EXPECT_EQ(modelStore.supportCount, 1);
  ASSERT_EQ(modelStore.nodes.size(), 4u);
  EXPECT_EQ(modelStore.nodes[2].nodeNo, 5);

  ASSERT_TRUE(ReadModelFile(ModelData("duplicate_nodes.txt")));
  EXPECT_FALSE(ReadModelFile(ModelData("negative_count.txt")));
  EXPECT_EQ(modelStore.nodeCount, 2);
  EXPECT_EQ(modelStore.sectionCount, 1);
  EXPECT_EQ(modelStore.memberCount, 1);
  EXPECT_EQ(modelStore.nodes.size(), 4u);
}

// Counts 2.5 and 1.4; node numbers 2.5 and 3.5; section -2.5; member 0.5, 2.49, 3.51, -2.5;
// support 1.5, -0.5, 2.5, 0.6.
TEST_F(ModelFileReaderTest, FractionsInIntegerFieldsRoundHalfToEven) {
  ASSERT_TRUE(ReadModelFile(ModelData("fractions.txt")));
  EXPECT_EQ(modelStore.nodeCount, 2);
  EXPECT_EQ(modelStore.supportCount, 1);
  EXPECT_EQ(modelStore.nodes[0].nodeNo, 2);
  EXPECT_EQ(modelStore.nodes[1].nodeNo, 4);
  EXPECT_EQ(modelStore.sections[0].sectionNo, -2);
  EXPECT_EQ(modelStore.members[0], (MemberRecord{0, 2, 4, -2, 0, 0, 0}));
  EXPECT_EQ(modelStore.supports[0], (SupportRecord{2, 0, 2, 1, 0}));
}

// Blanks and tabs around values, "+3", ".5", "5.", "1e-3", "2.1E+06", "-.75".
TEST_F(ModelFileReaderTest, UsualNumberFormsAndBlanksAroundValues) {
  ASSERT_TRUE(ReadModelFile(ModelData("number_forms.txt")));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(modelStore.nodeCount, 2);
  EXPECT_EQ(modelStore.supportCount, 1);
  EXPECT_EQ(modelStore.nodes, (std::vector<NodeRecord>{{3, 0.5f, -1000.0f}, {-4, 5.0f, 0.001f}, {}}));
  EXPECT_EQ(modelStore.sections[0], (SectionRecord{1, 2100000.0f, 0.25f, -0.75f}));
  EXPECT_EQ(modelStore.members[0], (MemberRecord{7, 3, -4, 1, 0, 0, 0}));
  EXPECT_EQ(modelStore.loads[0], (NodalLoadRecord{3, 150.0f, -0.25f, 0.0f, 0}));
}

TEST_F(ModelFileReaderTest, EmptyTablesStillHaveTheirSpareRecord) {
  ASSERT_TRUE(ReadModelFile(ModelData("no_loads_no_supports.txt")));
  EXPECT_EQ(modelStore.loadCount, 0);
  EXPECT_EQ(modelStore.supportCount, 0);
  ASSERT_EQ(modelStore.loads.size(), 1u);
  ASSERT_EQ(modelStore.supports.size(), 1u);
  EXPECT_EQ(modelStore.loads[0].fy, 0.0f);
  EXPECT_EQ(modelStore.supports[0].nodeNo, 0);
}

}  // namespace
