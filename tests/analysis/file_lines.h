// The lines of a text file the program wrote, without their CR LF, for tests that check a work
// file line by line; and its lines read as numbers.
#pragma once

#include <string>
#include <vector>

// Fails the test (and returns what it has) when a line does not end in CR LF.
std::vector<std::string> FileLines(const std::string& path);
std::vector<double> FileNumbers(const std::string& path);
