#include "work_files.h"

#include "basics/program_directory.h"

std::string Work1Path() { return ProgramFilePath("work1.txt"); }
std::string Work2Path() { return ProgramFilePath("work2.txt"); }
