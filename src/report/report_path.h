// The results report's file name, beside the model file: the model file's path without its last
// four characters, followed by "_res.txt" (frame1.txt gives frame1_res.txt).
#pragma once

#include <string>

// Characters are Unicode code points of the UTF-8 path, so a Japanese name loses four
// characters, not four bytes. When the cut would leave nothing of the file name, or reach into
// its folder (a name of four characters or fewer: "beam", "b"), the report is the whole path
// followed by "_res.txt", so that it stays in the model's folder and never takes the name of
// another model's report. Throws RunError (ReportPath) for a path without a file name.
std::string ReportPath(const std::string& modelPath);

// What the window suggests for a file it saves: beside the report, with the report's name and
// another extension (frame1.txt and ".pdf" give frame1_res.pdf); "" for a path without a file
// name, so that the dialog opens where it was.
std::string BesideReportPath(const std::string& modelPath, const std::string& extension);
