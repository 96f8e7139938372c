// The messages of a refused model file and of a reference that does not resolve, and the
// warnings about what a file that reads probably did not mean. A failure's first line is the
// fixed text; the second says where (line, table, record, field) and what (the text found, the
// reason) in plain words. A warning says what it found, then one line for each place.
#pragma once

#include <string>

#include "model_file_failure.h"
#include "model_file_reader.h"

std::string ModelFileFailureMessage(const ModelFileFailure& failure);
std::string ReferenceFailureMessage(const ReferenceFailure& failure);
// The warning about support-like lines after the support table alone.
std::string TrailingSupportWarning(const TrailingSupportLines& lines);
// All the warnings as one message, each kind under its own first line, in file order; empty when
// there are none. With only support-like lines it is TrailingSupportWarning's text.
std::string ReadWarningsMessage(const ReadWarnings& warnings);
