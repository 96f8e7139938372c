// The window program's command line: "femframe [MODEL]" opens the model at start; --help and
// --version answer on standard output before any window exists, so they need no display.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Answers --help or --version when an argument before any "--" asks for it: writes the text to
// standard output and returns the exit status; nullopt for any other command line.
std::optional<int> AnswerInformationRequest(int argc, char** argv);

struct WindowArguments {
  std::string modelPath;  // "" when none was given; otherwise a full path
};

// The arguments left after the toolkit took its own, the program's name first; nullopt for a
// usage error (an unknown option, more than one model file). After "--" no argument is an
// option. A relative model path is made absolute against the working directory.
std::optional<WindowArguments> ParseWindowArguments(const std::vector<std::string>& arguments);
// How many of the arguments, the program's name first, the toolkit may read for its own options:
// those before "--", so that a model named "-style" stays the program's.
int ToolkitArgumentCount(int argc, char** argv);
// The usage shown on standard error after a usage error.
const char* WindowUsageText();
