// The worst inputs a user could choose as a model file: no file, a directory, an empty or binary
// file, an endless device, huge lines and numbers, counts at their limit with no records behind
// them. Each ends in success or one of the two read messages, quickly and in bounded memory,
// with whatever it quotes shortened.
#include <cstdio>
#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "model/model_file_reader.h"
#include "model/reference_check.h"
#include "model_test_fixture.h"

namespace {

class ModelFileLimitsTest : public ModelTest {
 protected:
  // Writes head, then `fill` repeated `count` times, then tail, without holding it all in memory.
  std::string WriteModel(const std::string& head, char fill, size_t count,
                         const std::string& tail = "") {
    const std::string path = scratch.File("model.txt");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    EXPECT_NE(file, nullptr);
    std::fwrite(head.data(), 1, head.size(), file);
    const std::string chunk(64 * 1024, fill);
    for (size_t left = count; left > 0;) {
      const size_t part = std::min(left, chunk.size());
      std::fwrite(chunk.data(), 1, part, file);
      left -= part;
    }
    std::fwrite(tail.data(), 1, tail.size(), file);
    std::fclose(file);
    return path;
  }

  // The fixed first line, and a second line that quotes what it found shortened, never whole.
  void ExpectOnlyMessage(const std::string& message) {
    EXPECT_EQ(FirstLines(sink.messages), std::vector<std::string>{message});
    for (const std::string& shown : sink.messages) EXPECT_LT(shown.size(), 800u) << shown;
    sink.messages.clear();
  }

  ScratchDirectory scratch;
};

// The worked cantilever from its counts line on, and its tables after the nodes.
const std::string kTablesAfterNodes =
    "sections\r\n1,50,400,2100000\r\nmembers\r\n1,1,2,1\r\nloads\r\n2,0,-1000,0\r\n"
    "supports\r\n1,1,1,1\r\n";
const std::string kCantileverTables = "2,1,1,1,1\r\nnodes\r\n1,0,0\r\n2,300,0\r\n" + kTablesAfterNodes;

TEST_F(ModelFileLimitsTest, FilesThatAreNoModelFileAtAll) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 37) % 256));
  struct Case {
    std::string path;
    std::optional<std::string> bytes;  // written there first
    std::string message;
  };
  const Case cases[] = {
      {scratch.path(), std::nullopt, kReadFailureLine},  // a directory opens, then fails to read
      {"", std::nullopt, kReadFailureLine},
      {scratch.File("gone.txt"), std::nullopt, kReadFailureLine},  // removed after the choice
      {scratch.File("empty.txt"), "", kReadFailureLine},
      {scratch.File("first_line.txt"), "FEMDATA\r\n", kReadFailureLine},
      {scratch.File("binary.txt"), binary, kFileTypeLine},
      // An endless first line: a few bytes decide that it is not "FEMDATA".
      {"/dev/zero", std::nullopt, kFileTypeLine},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    if (c.bytes) WriteFileBytes(c.path, *c.bytes);
    EXPECT_FALSE(ReadModelFile(c.path));
    ExpectOnlyMessage(c.message);
  }
}

TEST_F(ModelFileLimitsTest, CountsAtTheLimitWithNothingBehindThem) {
  EXPECT_FALSE(ReadModelFile(WriteModel("FEMDATA\r\n\r\n\r\n32767,32767,32767,32767,32767", ' ', 0)));
  ExpectOnlyMessage(kReadFailureLine);
  EXPECT_FALSE(ReadModelFile(WriteModel("FEMDATA\r\n\r\n\r\n32768,0,0,0,0\r\n", ' ', 0)));
  ExpectOnlyMessage(kReadFailureLine);
  EXPECT_FALSE(ReadModelFile(WriteModel("FEMDATA\r\n\r\n\r\n1", '0', 400, ",0,0,0,0\r\n")));
  ExpectOnlyMessage(kReadFailureLine);
}

TEST_F(ModelFileLimitsTest, TheLargestNodeTableReads) {
  std::string text = "FEMDATA\r\n\r\n\r\n32767,0,0,0,0\r\nnodes\r\n";
  for (int i = 0; i < 32767; ++i) text += std::to_string(i - 16384) + ",1.5," + std::to_string(i) + "\r\n";
  text += "sections\r\nmembers\r\nloads\r\nsupports\r\n";
  const std::optional<Model> model = ReadModelFile(WriteModel(text, ' ', 0));
  ASSERT_TRUE(model);
  EXPECT_EQ(model->nodes[32766].nodeNo, 16382);
  EXPECT_EQ(model->nodes[32766].y, 32766.0f);
}

TEST_F(ModelFileLimitsTest, OverlongValuesAndLines) {
  const std::string head = "FEMDATA\r\n\r\n\r\n2,1,1,1,1\r\nnodes\r\n1,";
  // A real of 400 digits is far beyond single precision.
  EXPECT_FALSE(ReadModelFile(WriteModel(head + "1", '0', 399, ",0\r\n")));
  ExpectOnlyMessage(kReadFailureLine);
  // Leading zeros are still a number while the value is short...
  const std::string tail = "7,0\r\n2,300,0\r\n" + kTablesAfterNodes;
  const std::optional<Model> padded = ReadModelFile(WriteModel(head, '0', 200, tail));
  ASSERT_TRUE(padded);
  EXPECT_EQ(padded->nodes[0].x, 7.0f);
  // ...but a value longer than any number needs is a fault, however long the line runs on.
  EXPECT_FALSE(ReadModelFile(WriteModel(head, '0', 300, tail)));
  ExpectOnlyMessage(kReadFailureLine);
  EXPECT_FALSE(ReadModelFile(WriteModel(head, '9', 50'000'000)));
  ExpectOnlyMessage(kReadFailureLine);
  EXPECT_FALSE(ReadModelFile(WriteModel("FEMDATA\r\n\r\n\r\n", ',', 1'000'000, "\r\n")));
  ExpectOnlyMessage(kReadFailureLine);
  EXPECT_FALSE(ReadModelFile(WriteModel("FEMDATA\r\n\r\n\r\n", ' ', 1'000'000, "\r\n")));
  ExpectOnlyMessage(kReadFailureLine);
}

TEST_F(ModelFileLimitsTest, HugeFreeLinesAreSkippedWithoutBeingKept) {
  const std::string path =
      WriteModel("FEMDATA\r\n", 'x', 64 * 1024 * 1024, "\r\ncounts\r\n" + kCantileverTables);
  const long before = PeakResidentKilobytes();
  const std::optional<Model> model = ReadModelFile(path);
  EXPECT_LT(PeakResidentKilobytes() - before, 16 * 1024);
  ASSERT_TRUE(model);
  EXPECT_EQ(model->nodes[1].x, 300.0f);
  EXPECT_TRUE(sink.messages.empty());
}

// After the support table the whole file is read for keywords, however far the table starts,
// while the look for support-like lines stops after 16 MB; a record's overlong value is refused
// and quoted shortened.
TEST_F(ModelFileLimitsTest, KeywordTablesAfterLongNotesAndOverlongRecords) {
  const std::string head = "FEMDATA\r\n\r\n\r\n" + kCantileverTables;
  const std::string table = "2,0,1,0\r\nMEMBERLOADS\r\nheading\r\n1,1,4,-10,-10,0,0\r\n";
  ReadWarnings warnings;
  const std::optional<Model> model = ReadModelFile(WriteModel(head, '\n', 17 << 20, table), &warnings);
  ASSERT_TRUE(model);
  EXPECT_EQ(model->memberLoads.size(), 1u);
  EXPECT_TRUE(warnings.empty());
  EXPECT_FALSE(ReadModelFile(WriteModel(head + "MEMBERLOADS\r\nh\r\n1,1,4,", '9', 1 << 20, "\r\n")));
  ExpectOnlyMessage(kReadFailureLine);
}

// A distributed load must leave some of its member loaded (a + b below the length) and a point
// may lie anywhere up to the far end, the length measured as the stiffness step measures it (an
// inclined member of 500 cm here). Of two members with one number, the first is the one loaded.
TEST_F(ModelFileLimitsTest, LoadsAlongAMemberStayWithinIt) {
  const std::string head =
      "FEMDATA\r\n\r\n\r\n3,1,2,0,1\r\nn\r\n1,0,0\r\n2,300,400\r\n3,100,0\r\ns\r\n"
      "1,50,400,2100000\r\nm\r\n1,1,2,1\r\n1,1,3,1\r\nl\r\nsu\r\n1,1,1,1\r\n"
      "MEMBERLOADS\r\nheading\r\n";
  const std::pair<std::string, bool> records[] = {
      {"1,1,4,-10,-10,250,249.999", true}, {"1,1,4,-10,-10,250,250", false},
      {"1,2,2,-500,0,500,0", true},        {"1,2,2,-500,0,500.001,0", false},
      {"1,3,0,1000,0,500,0", true},        {"1,1,1,-1,-1,0,499.999", true},
  };
  for (const auto& [record, accepted] : records) {
    SCOPED_TRACE(record);
    std::optional<Model> model = ReadModelFile(WriteModel(head + record + "\r\n", ' ', 0));
    ASSERT_EQ(model.has_value(), accepted);
    if (!model) {
      ExpectOnlyMessage(kReadFailureLine);
      continue;
    }
    ASSERT_TRUE(CheckModelReferences(*model));
    EXPECT_EQ(model->memberLoads.at(0).memberIndex, 0);
  }
}

}  // namespace
