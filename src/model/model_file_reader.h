// Reads a model file into a Model value. The file's first line is "FEMDATA", then two free lines,
// the five counts and the node, section, member, load and support tables, each after one free
// header line. A failure shows its message, with the line and field at fault, through the sink.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model.h"

// Lines after the support table that read as support records: the model is read as the counts
// say, but such lines are almost always a support count one too small.
struct TrailingSupportLines {
  int64_t firstLine = 0;
  int64_t count = 0;
};

// The model, its indices not yet resolved, when the whole file was read; nothing after the
// failure message has been shown. With `trailing`, the lines after the support table are looked
// through as well.
std::optional<Model> ReadModelFile(const std::string& path, TrailingSupportLines* trailing = nullptr);
