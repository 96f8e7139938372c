// Regular multi-storey, multi-bay rigid frames for the benchmarks: columns 300 cm high, beams
// 600 cm long, fixed bases, a gravity load at every upper node and a sway load at the left side.
#pragma once

#include <string>

// Nodes: (storeys + 1) x (bays + 1). Writes the model file; returns false when it cannot.
bool WriteRegularFrame(const std::string& path, int storeys, int bays);
