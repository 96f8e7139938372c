// Reading model files from tests/data/model and examples/: the counts and tables of the model
// each file gives, and the message each faulty file gives instead.
#include "model/model_file_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "model/reference_check.h"

#include "model_test_fixture.h"

namespace {

using ModelFileReaderTest = ModelTest;

// The five tables as the model holds them, the all-zero spare record at position count included.
struct Tables {
  std::vector<NodeRecord> nodes;
  std::vector<SectionRecord> sections;
  std::vector<MemberRecord> members;
  std::vector<NodalLoadRecord> loads;
  std::vector<SupportRecord> supports;
};

// The worked example: every field as read, resolved indices 0.
const Tables kCantilever{{{1, 0, 0}, {2, 300, 0}, {}},
                         {{1, 50, 400, 2100000}, {}},
                         {{1, 1, 2, 1, 0, 0, 0}, {}},
                         {{2, 0, -1000, 0, 0}, {}},
                         {{1, 1, 1, 1, 0}, {}}};

// What reading one file gives: the model's counts and tables, or the message and no model.
struct Read {
  std::string path;
  std::string message;
  std::array<int32_t, 5> counts;  // nodes, sections, members, loads, supports
  Tables tables;
};

TEST_F(ModelFileReaderTest, EachFileGivesItsCountsAndTablesOrItsMessage) {
  const Read reads[] = {
      // LF-only line ends, a record split over lines, raw bytes and commas in the free lines and
      // lines after the support table all read as the worked example.
      {ExamplePath("cantilever.txt"), "", {2, 1, 1, 1, 1}, kCantilever},
      {ModelData("cantilever_lf.txt"), "", {2, 1, 1, 1, 1}, kCantilever},
      {ModelData("split_record.txt"), "", {2, 1, 1, 1, 1}, kCantilever},
      {ModelData("free_lines_raw_bytes.txt"), "", {2, 1, 1, 1, 1}, kCantilever},
      {ModelData("extra_lines_after_supports.txt"), "", {2, 1, 1, 1, 1}, kCantilever},
      // Blanks and tabs around values, "+3", ".5", "5.", "1e-3", "2.1E+06", "-.75".
      {ModelData("number_forms.txt"), "", {2, 1, 1, 1, 1},
       Tables{{{3, 0.5f, -1000}, {-4, 5, 0.001f}, {}},
              {{1, 2100000, 0.25f, -0.75f}, {}},
              {{7, 3, -4, 1, 0, 0, 0}, {}},
              {{3, 150, -0.25f, 0, 0}, {}},
              {{3, 1, 1, 1, 0}, {}}}},
      // Fractions in integer fields round half to even: counts 2.5 and 1.4; node numbers 2.5 and
      // 3.5; section -2.5; member 0.5, 2.49, 3.51, -2.5; support 1.5, -0.5, 2.5, 0.6.
      {ModelData("fractions.txt"), "", {2, 1, 1, 0, 1},
       Tables{{{2, 0, 0}, {4, 300, 0}, {}},
              {{-2, 50, 400, 2100000}, {}},
              {{0, 2, 4, -2, 0, 0, 0}, {}},
              {{}},
              {{2, 0, 2, 1, 0}, {}}}},
      // Empty tables still have their spare record.
      {ModelData("no_loads_no_supports.txt"), "", {2, 1, 1, 0, 0},
       Tables{kCantilever.nodes, kCantilever.sections, kCantilever.members, {{}}, {{}}}},
      // The first line must be exactly FEMDATA.
      {ModelData("first_line_lowercase.txt"), kFileTypeLine, {}, {}},
      {ModelData("first_line_trailing_blank.txt"), kFileTypeLine, {}, {}},
      // Faults on the counts line and in the tables; the missing load header shifts the support
      // table by one line.
      {ModelData("support_count_40000.txt"), kReadFailureLine, {}, {}},
      {ModelData("negative_count.txt"), kReadFailureLine, {}, {}},
      {ModelData("ends_early.txt"), kReadFailureLine, {}, {}},
      {ModelData("missing_load_header.txt"), kReadFailureLine, {}, {}},
      {ModelData("non_numeric_field.txt"), kReadFailureLine, {}, {}},
  };
  for (const Read& read : reads) {
    SCOPED_TRACE(read.path);
    sink.messages.clear();
    const std::optional<Model> model = ReadModelFile(read.path);
    EXPECT_EQ(FirstLines(sink.messages),
              read.message.empty() ? std::vector<std::string>{} : std::vector{read.message});
    ASSERT_EQ(model.has_value(), read.message.empty());
    if (!model) continue;
    EXPECT_EQ(model->modelPath, read.path);
    EXPECT_EQ((std::array<int32_t, 5>{model->nodeCount, model->sectionCount, model->memberCount,
                                      model->loadCount, model->supportCount}),
              read.counts);
    EXPECT_EQ(model->nodes, read.tables.nodes);
    EXPECT_EQ(model->sections, read.tables.sections);
    EXPECT_EQ(model->members, read.tables.members);
    EXPECT_EQ(model->loads, read.tables.loads);
    EXPECT_EQ(model->supports, read.tables.supports);
    EXPECT_TRUE(model->memberLoads.empty());
  }
}

// The MEMBERLOADS table, record by record with its line and the member's position, the fields a
// kind does not use 0. A note before the keyword, blanks around it and empty lines before the
// heading and between the records are passed over; a keyword written otherwise is a note, and
// its table is not read.
TEST_F(ModelFileReaderTest, MemberLoadsAreReadRecordByRecord) {
  struct Loads {
    std::string path;
    std::vector<MemberLoadRecord> loads;  // No., kind, direction, p1, p2, a, b, member position
    std::vector<int64_t> lines;
  };
  const Loads files[] = {
      {ModelData("member_loads_all_kinds.txt"),
       {{2, 1, 4, -10, -10, 0, 0, 1},
        {2, 1, 2, 0, -20, 100, 50, 1},
        {1, 1, 3, 5, 5, 0, 0, 0},
        {3, 1, 1, -1, -2.5, 0, 150, 2},
        {2, 2, 2, -500, 0, 150, 0, 1},
        {1, 2, 3, 300, 0, 200, 0, 0},
        {3, 2, 1, -100, 0, 300, 0, 2},
        {2, 3, 0, 20000, 0, 200, 0, 1},
        {2, 2, 4, -250, 0, 0, 0, 1}},
       {25, 26, 28, 29, 31, 32, 33, 34, 35}},
      // LF line ends and no line end after the last record.
      {ModelData("member_loads_beam.txt"),
       {{1, 1, 4, -0.785, -0.785, 0, 0, 0}, {1, 2, 2, -1000, 0, 300, 0, 0}},
       {18, 19}},
      {ModelData("member_load_keyword_misspelt.txt"), {}, {}},
  };
  for (const Loads& file : files) {
    SCOPED_TRACE(file.path);
    std::optional<Model> model = ReadModelFile(file.path);
    ASSERT_TRUE(model);
    ASSERT_TRUE(CheckModelReferences(*model));
    EXPECT_EQ(model->memberLoads, file.loads);
    EXPECT_EQ(model->memberLoadLines, file.lines);
  }
  EXPECT_TRUE(sink.messages.empty());
}

// HINGES, SPRINGS and SETTLEMENTS in any order after the support table, an empty line between
// them, each record with its line and the position of its member or node (nodes 10, 20, 30, 40;
// members 7, 8, 9). Zeros stand where a spring would meet a support or a settlement a free
// direction.
TEST_F(ModelFileReaderTest, JointConditionsAreReadRecordByRecord) {
  std::optional<Model> model = ReadModelFile(ModelData("joint_conditions.txt"));
  ASSERT_TRUE(model);
  ASSERT_TRUE(CheckModelReferences(*model));
  EXPECT_EQ(model->settlements, (std::vector<SettlementRecord>{{30, 0.2, -1.5, 0, 2}}));
  EXPECT_EQ(model->settlementLines, std::vector<int64_t>{25});
  EXPECT_EQ(model->hinges, (std::vector<HingeRecord>{{7, 0, 1, 0}}));
  EXPECT_EQ(model->hingeLines, std::vector<int64_t>{29});
  EXPECT_EQ(model->springs,
            (std::vector<SpringRecord>{{20, 0, 5000, 0, 1}, {40, 100, 0, 250000, 3}}));
  EXPECT_EQ(model->springLines, (std::vector<int64_t>{32, 33}));
  EXPECT_TRUE(model->memberLoads.empty());
  EXPECT_TRUE(sink.messages.empty());
}

}  // namespace
