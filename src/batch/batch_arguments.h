// The command line of the batch front end: one model file, later also options that name where
// the drawing lists and the view images go. Anything else is a usage error.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct BatchArguments {
  std::string modelPath;
};

// The arguments after the program name; nullopt for a usage error (missing or extra model
// file, an unknown option).
std::optional<BatchArguments> ParseBatchArguments(const std::vector<std::string>& arguments);

// The usage text shown on a usage error.
const char* BatchUsageText();
