// The work directory, where a run writes "work1.txt", "work2.txt" and "NColes.txt" and holds its
// lock: the program's own directory when it is writable and not an installed location, else
// the user's state directory $XDG_STATE_HOME/femframe (~/.local/state/femframe by default).
#pragma once

#include <string>
#include <string_view>

enum class WorkDirectoryKind {
  Program,  // the directory of the running executable
  State,    // the user's state directory
  Given,    // named by the user (the batch's --work-dir) or by a test
};

struct WorkDirectory {
  std::string path;
  WorkDirectoryKind kind = WorkDirectoryKind::Given;

  // Full path of a file in the directory.
  std::string FilePath(std::string_view fileName) const;
};

// The work directory of a run: `given` (the batch's --work-dir, a test's scratch directory) when
// it is not empty, otherwise the program's own or the state directory. Throws RunError
// (WorkDirectory) when none can be chosen (no HOME).
WorkDirectory ChooseWorkDirectory(const std::string& given = "");
// Makes sure the work directory can take the run's files, creating it and its missing parents
// (mode 0700) when it does not exist yet. Throws RunError (WorkDirectory) naming the directory
// when it is not a directory, cannot be created or cannot be written.
void PrepareWorkDirectory(const WorkDirectory& directory);

// The directory that holds the running executable (from /proc/self/exe), "." when unknown; the
// batch front end finds its picture module from there.
std::string ExecutableDirectory();

// Whether an executable in `directory` is an installed copy, whose directory never takes work
// files: anything under /usr, and a prefix's bin/ beside its share/doc/femframe/.
bool IsInstalledLocation(const std::string& directory);
