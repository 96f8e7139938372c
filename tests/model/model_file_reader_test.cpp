// Reading model files from tests/data/model and examples/: the counts and tables each file
// leaves in the store, and the message each faulty file gives.
#include "model/model_file_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "model_test_fixture.h"

namespace {

using ModelFileReaderTest = ModelTest;

// The five tables as the store holds them, the all-zero spare record at position count included.
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

// What reading one file leaves after duplicate_nodes.txt was read: its message (none when it
// reads), the counts, and the tables (none: the earlier tables stay).
struct Read {
  std::string path;
  std::string message;
  std::array<int32_t, 5> counts;  // nodes, sections, members, loads, supports
  std::optional<Tables> tables;
};

TEST_F(ModelFileReaderTest, EachFileLeavesItsCountsTablesAndMessage) {
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
      // The first line must be exactly FEMDATA; nothing past it is read: only the path is new.
      {ModelData("first_line_lowercase.txt"), kFileTypeLine, {3, 1, 1, 1, 1}, std::nullopt},
      {ModelData("first_line_trailing_blank.txt"), kFileTypeLine, {3, 1, 1, 1, 1},
       std::nullopt},
      // A fault on the counts line: the counts before it are new, the tables the earlier ones.
      {ModelData("support_count_40000.txt"), kReadFailureLine, {2, 2, 2, 2, 1}, std::nullopt},
      {ModelData("negative_count.txt"), kReadFailureLine, {2, 1, 1, 1, 1}, std::nullopt},
      // A fault after the counts: all five tables are recreated, and what was read stays, the
      // fields of a record before the faulty one included. The missing load header shifts the
      // support table by one line, so its record is missing.
      {ModelData("ends_early.txt"), kReadFailureLine, {3, 1, 1, 1, 1},
       Tables{{{1, 0, 0}, {2, 300, 0}, {}, {}}, {{}, {}}, {{}, {}}, {{}, {}}, {{}, {}}}},
      {ModelData("missing_load_header.txt"), kReadFailureLine, {2, 1, 1, 0, 1},
       Tables{kCantilever.nodes, kCantilever.sections, kCantilever.members, {{}}, {{}, {}}}},
      {ModelData("non_numeric_field.txt"), kReadFailureLine, {2, 1, 1, 1, 1},
       Tables{{{1, 0, 0}, {}, {}}, {{}, {}}, {{}, {}}, {{}, {}}, {{}, {}}}},
  };
  for (const Read& read : reads) {
    SCOPED_TRACE(read.path);
    ASSERT_TRUE(ReadModelFile(ModelData("duplicate_nodes.txt")));
    const Tables earlier{modelStore.nodes, modelStore.sections, modelStore.members,
                         modelStore.loads, modelStore.supports};
    sink.messages.clear();
    EXPECT_EQ(ReadModelFile(read.path), read.message.empty());
    EXPECT_EQ(FirstLines(sink.messages),
              read.message.empty() ? std::vector<std::string>{} : std::vector{read.message});
    EXPECT_EQ(modelStore.modelPath, read.path);
    EXPECT_EQ((std::array<int32_t, 5>{modelStore.nodeCount, modelStore.sectionCount,
                                      modelStore.memberCount, modelStore.loadCount,
                                      modelStore.supportCount}),
              read.counts);
    const Tables& tables = read.tables ? *read.tables : earlier;
    EXPECT_EQ(modelStore.nodes, tables.nodes);
    EXPECT_EQ(modelStore.sections, tables.sections);
    EXPECT_EQ(modelStore.members, tables.members);
    EXPECT_EQ(modelStore.loads, tables.loads);
    EXPECT_EQ(modelStore.supports, tables.supports);
  }
}

}  // namespace
