// The files a run leaves in its work directory for the user: "work1.txt" with every member's
// matrix P and "work2.txt" with every member's end forces, one number a line, and the names of
// those, the solver trace "NColes.txt" and the lock file. Each written value is handed back as the
// file's text rounds it, so what the run goes on with is what the file holds.
#pragma once

#include <string>
#include <vector>

#include "files/work_directory.h"

std::string Work1Path(const WorkDirectory& directory);
std::string Work2Path(const WorkDirectory& directory);
std::string TracePath(const WorkDirectory& directory);
std::string RunLockPath(const WorkDirectory& directory);

// "work1.txt": each value in the general 15-digit form ("350000", "373.333333333333").
std::vector<double> WriteWork1(const WorkDirectory& directory, const std::vector<double>& values);
// "work2.txt": each value with its sign place and a trailing blank (" 300 ", "-1 ").
std::vector<double> WriteWork2(const WorkDirectory& directory, const std::vector<double>& values);
