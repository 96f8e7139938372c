// The command line of the batch front end: one model file, and options that name where the
// drawing geometry, the view pictures and the results go. Anything else is a usage error.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct BatchArguments {
  std::string modelPath;
  std::optional<std::string> geometryPath;     // --geometry FILE
  std::optional<std::string> imagesDirectory;  // --images DIR
  std::optional<std::string> resultsPath;      // --results FILE
};

// The arguments after the program name; nullopt for a usage error (missing or extra model
// file, an unknown option, an option without its value or given twice).
std::optional<BatchArguments> ParseBatchArguments(const std::vector<std::string>& arguments);

// The usage text shown on a usage error.
const char* BatchUsageText();
