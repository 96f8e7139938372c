// The lines of a text file the program wrote, without their CR LF, for tests that check a work
// file line by line; its lines read as numbers, and those numbers compared with expected ones.
#pragma once

#include <string>
#include <vector>

// Fails the test (and returns what it has) when a line does not end in CR LF.
std::vector<std::string> FileLines(const std::string& path);
std::vector<double> FileNumbers(const std::string& path);
// Expects as many numbers as `expected`, each within `tolerance` of its expected value.
void ExpectFileNumbersNear(const std::string& path, const std::vector<double>& expected,
                           double tolerance);
