// The window program's command line: "femframe [MODEL]" opens the model at start; --help and
// --version answer on standard output before any window exists, so they need no display, and
// without a display the program says so and points to the batch front end.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Answers --help or --version when an argument before any "--" asks for it: writes the text to
// standard output and returns the exit status; nullopt for any other command line.
std::optional<int> AnswerInformationRequest(int argc, char** argv);

// Why the window cannot be shown, for standard error: the platform the toolkit would pick (its
// -platform option, else QT_QPA_PLATFORM, else Wayland when the session is one and X) needs a
// display and none of those it would try can be connected to. nullopt when one can, and for
// platforms that need no display (offscreen, minimal, vnc, ...) or that the toolkit judges
// itself. `toolkitArgc` counts the arguments the toolkit reads (ToolkitArgumentCount).
std::optional<std::string> MissingDisplayMessage(int toolkitArgc, char** argv);

struct WindowArguments {
  std::string modelPath;  // "" when none was given; otherwise a full path
};

// The command line read: its arguments, or the usage error that stops the program.
struct ParsedWindowArguments {
  std::optional<WindowArguments> arguments;  // none after a usage error
  std::string usageError;                    // what is wrong, and with which argument
  explicit operator bool() const { return arguments.has_value(); }
  const WindowArguments* operator->() const { return &*arguments; }
};

// The arguments left after the toolkit took its own, the program's name first. A usage error (an
// unknown option, an empty argument, a second model file) is said by the first argument at
// fault. After "--" no argument is an option. A relative model path is made absolute against the
// working directory.
ParsedWindowArguments ParseWindowArguments(const std::vector<std::string>& arguments);
// How many of the arguments, the program's name first, the toolkit may read for its own options:
// those before "--", so that a model named "-style" stays the program's.
int ToolkitArgumentCount(int argc, char** argv);
// The usage shown on standard error after the usage error.
const char* WindowUsageText();
