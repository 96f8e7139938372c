// The trace's writer: text formatted in place and runs written from a shared block go between
// ordinary lines in order, past every limit of the writer.
#include <gtest/gtest.h>

#include <string>

#include "solver/trace_file.h"
#include "support/test_support.h"

// Rows longer than the megabyte the writer gathers, more pieces than one gathered write takes,
// and a reservation larger than the writer's buffer.
TEST(TraceFileWriter, GatheredLinePiecesKeepTheirOrderPastEveryLimit) {
  ScratchDirectory scratch;
  const std::string path = scratch.File("rows.txt");
  const RepeatedText zeros("0.00000", 700);  // 100 copies a block
  const auto writeText = [](TraceFileWriter& writer, const std::string& text, size_t room) {
    char* out = writer.ReserveAscii(room);
    text.copy(out, text.size());
    writer.CommitAscii(out + text.size());
  };
  std::string expected = "\x89\xF0\r\n";
  TraceFileWriter writer(path);
  writer.WriteLine("解");
  for (size_t row = 0; row < 3000; ++row) {  // three pieces a row, a run of 0 .. 249 zeros
    const std::string number = std::to_string(row) + ".5";
    writeText(writer, number, 32);
    writer.WriteRepeated(zeros, row % 250);
    writer.EndLine();
    expected += number;
    for (size_t copy = 0; copy < row % 250; ++copy) expected += "0.00000";
    expected += "\r\n";
  }
  writer.WriteRepeated(zeros, 200000);  // 1.4 MB of zeros in one line
  writeText(writer, "-1.00000", 8);
  writer.EndLine();
  for (size_t copy = 0; copy < 200000; ++copy) expected += "0.00000";
  expected += "-1.00000\r\n";
  const std::string longRow(3 << 20, '7');
  writeText(writer, longRow, longRow.size());
  writer.EndLine();
  writer.EndLine();
  writer.WriteLine("end");
  writer.Close();
  expected += longRow + "\r\n\r\nend\r\n";
  EXPECT_EQ(ReadFileBytes(path), expected);
}
