// The messages of a refused model file and of a reference that does not resolve, and the
// warning about lines after the support table. The first line is the fixed text; the second
// says where (line, table, record, field) and what (the text found, the reason) in plain words.
#pragma once

#include <string>

#include "model_file_failure.h"
#include "model_file_reader.h"

std::string ModelFileFailureMessage(const ModelFileFailure& failure);
std::string ReferenceFailureMessage(const ReferenceFailure& failure);
std::string TrailingSupportWarning(const TrailingSupportLines& lines);
