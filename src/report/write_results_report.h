// The results report beside the model file: the model's five tables, the nodal displacements,
// the member end forces read back from "work2.txt" and the four maxima, in CP932 with CR LF.
#pragma once

// Throws RunError when the model path is too short, "work2.txt" is missing or short, or the
// report cannot be written.
void WriteResultsReport();
