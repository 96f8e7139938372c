// A path as the window's file dialog gives it: absolute and without "." or ".." parts, so that
// a model named on a command line writes its report beside itself whatever the working directory.
#pragma once

#include <string>

// The path made absolute against the working directory; the path itself when that fails.
std::string FullPath(const std::string& path);

// The folder a path names its file in: "." for a bare name, "/" for a file in the root.
std::string DirectoryOf(const std::string& path);
