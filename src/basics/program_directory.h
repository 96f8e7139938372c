// The directory of the running executable, where the scratch files "work1.txt", "work2.txt"
// and "NColes.txt" go. Tests point it at a directory of their own so parallel runs never meet.
#pragma once

#include <string>
#include <string_view>

std::string ProgramDirectory();
// The directory that holds the running executable (from /proc/self/exe), "." when unknown; the
// batch front end finds its picture module from there.
std::string ExecutableDirectory();
// Full path of a file in the program's directory.
std::string ProgramFilePath(std::string_view fileName);
// The three scratch files of a run there: the member matrices, the member end forces and the
// solver trace.
std::string Work1Path();
std::string Work2Path();
std::string TracePath();
// Replaces the directory for the rest of the process (tests and benchmarks only); "" restores it.
void SetProgramDirectoryForTests(const std::string& directory);
