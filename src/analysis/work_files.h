// The two scratch files of an analysis run in the program's directory: "work1.txt" hands the
// member matrices from the stiffness step to the member-force step, "work2.txt" holds the member
// end forces for the report and the force diagrams.
#pragma once

#include <string>

std::string Work1Path();
std::string Work2Path();
