// The text each tab shows beside its drawing, for the geometry file: every view runs with its
// label captured and its drawing discarded, so no picture or toolkit is needed.
#pragma once

#include <array>
#include <string>

// The label text of each tab, in tab order, lines separated by carriage returns.
std::array<std::string, 5> TabLabelTexts();
