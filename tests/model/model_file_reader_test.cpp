// Reading model files from tests/data/model and examples/: the counts and tables of the model
// each file gives, and the message each faulty file gives instead.
#include "model/model_file_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

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
  }
}

}  // namespace
