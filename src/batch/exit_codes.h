// The exit codes of femframe-batch, documented in its --help, its manual page and the README.
#pragma once

enum BatchExitCode : int {
  kExitSuccess = 0,          // the analysis ran and every output asked for was written
  kExitAnalysisFailed = 1,   // the analysis could not complete (the message says why and where)
  kExitUsage = 2,            // the command line was wrong
  kExitModelRejected = 3,    // the model file could not be read or its references do not resolve
  kExitOutputFailed = 4,     // the analysis completed but --geometry, --images, --pdf or --results failed
  kExitWorkDirectory = 5,    // the work directory cannot be used
};
// A run ended by signal n exits with 128 + n (130 for Ctrl-C): see RemoveTemporariesOnSignals.
