// The two scratch files of an analysis run in the work directory: "work1.txt" hands the
// member matrices from the stiffness step to the member-force step, "work2.txt" holds the member
// end forces for the report and the force diagrams. Both hold one number a line.
#pragma once

#include <vector>

#include "basics/work_directory.h"  // Work1Path, Work2Path

// "work1.txt": each value in the general 15-digit form ("350000", "373.333333333333").
void WriteWork1(const std::vector<double>& values);
// "work2.txt": each value with its sign place and a trailing blank (" 300 ", "-1 ").
void WriteWork2(const std::vector<double>& values);

// "work2.txt" read back, as the report and the results use it: N1, Q1, M1, N2, Q2, M2 of every
// member of the model, t and t·cm. Throws RunError when the file is missing or short.
std::vector<double> ReadWork2();
