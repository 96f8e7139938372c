// The command line of the batch front end: one model file, and options that name where the
// drawing geometry, the view pictures, the results and the work files go; or --help, or
// --version. Anything else is a usage error, which names the argument at fault.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct BatchArguments {
  std::string modelPath;
  std::optional<std::string> geometryPath;     // --geometry FILE
  std::optional<std::string> imagesDirectory;  // --images DIR
  std::optional<std::string> pdfPath;          // --pdf FILE
  std::optional<std::string> resultsPath;      // --results FILE
  std::optional<std::string> workDirectory;    // --work-dir DIR
  bool noTrace = false;                        // --no-trace
  bool detailed = false;                       // --detailed: the pictures of 「詳細表示」
};

enum class BatchRequest { Analyse, Help, Version, UsageError };

struct BatchCommand {
  BatchRequest request = BatchRequest::Analyse;
  BatchArguments arguments;  // for Analyse
  std::string usageError;    // for UsageError: what is wrong, and with which argument
};

// The arguments after the program name. A usage error (no model file or a second one, an unknown
// option, an option without its value or given twice) is said by the first argument at fault.
// --help or --version where an option may stand asks for that alone; after "--" no argument is
// an option.
BatchCommand ParseBatchArguments(const std::vector<std::string>& arguments);

// The short usage shown on standard error after the usage error.
std::string BatchUsageText();
// The whole description --help prints: the options, where the work files go, the exit codes.
std::string BatchHelpText();
