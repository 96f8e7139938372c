// The results report's file name: the model file's path without its last four characters,
// followed by "_res.txt" (frame1.txt gives frame1_res.txt beside it).
#pragma once

#include <string>

// Characters are Unicode code points of the UTF-8 path, so a Japanese name loses four
// characters, not four bytes. Throws RunError (ReportPath) for a path of fewer than four.
std::string ReportPath(const std::string& modelPath);
