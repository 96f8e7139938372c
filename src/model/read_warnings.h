// What a model file that reads may hold that its writer probably did not mean. The model is read
// as the file says; the front ends show these beside it, and the user decides.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model_file_failure.h"

// Lines after the support table that read as support records: the model is read as the counts
// say, but such lines are almost always a support count one too small.
struct TrailingSupportLines {
  int64_t firstLine = 0;
  int64_t count = 0;
};

enum class ReadWarningKind {
  Fraction,         // a fraction in a whole-number field, read rounded (halves to even)
  DuplicateNumber,  // a node, section or member number given before; only the first is used
  SupportFlag,      // a support's restraint other than 0 or 1, read as restrained
  KeywordLike,      // a line before the first keyword that looks like a slip for one
};
inline constexpr size_t kReadWarningKinds = 4;

struct ReadWarning {
  ReadWarningKind kind = ReadWarningKind::Fraction;
  int64_t line = 0;
  ModelTable table = ModelTable::Counts;
  int32_t record = 0;  // 0-based position in the table
  int32_t field = 0;   // 0-based position in the record, or on the counts line
  std::string text;    // the value as written; KeywordLike: the line, shortened
  bool textCut = false;
  int16_t number = 0;       // Fraction: the whole number read; DuplicateNumber: the number
  int64_t firstLine = 0;    // DuplicateNumber: the line of the record that is used
  int32_t firstRecord = 0;  // and its position
  std::string keyword;      // KeywordLike: the keyword the line looks like
};

struct ReadWarnings {
  // Each message lists only so many of a kind and counts the rest.
  static constexpr size_t kListedOfAKind = 5;

  // The first kListedOfAKind of each kind, in file order, and how many of each there were.
  std::vector<ReadWarning> listed;
  std::array<int64_t, kReadWarningKinds> counts{};
  TrailingSupportLines trailingSupports;

  void Add(ReadWarning warning) {
    int64_t& count = counts[static_cast<size_t>(warning.kind)];
    if (static_cast<size_t>(count) < kListedOfAKind) listed.push_back(std::move(warning));
    ++count;
  }
  bool empty() const {
    for (const int64_t count : counts) {
      if (count > 0) return false;
    }
    return trailingSupports.count == 0;
  }
};
