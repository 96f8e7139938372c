// Reads a model file into a Model value. The file's first line is "FEMDATA", then two free lines,
// the five counts and the node, section, member, load and support tables, each after one free
// header line; then, each after its keyword and a free header line, the tables that the support
// table may be followed by. A failure shows its message, with the line and field at fault,
// through the sink.
#pragma once

#include <optional>
#include <string>

#include "model.h"
#include "read_warnings.h"

// The model, its indices not yet resolved, when the whole file was read; nothing after the
// failure message has been shown. With `warnings`, what in the file was read but probably not
// meant (ReadWarningsMessage in model_file_messages tells the user).
std::optional<Model> ReadModelFile(const std::string& path, ReadWarnings* warnings = nullptr);
