// Regular multi-storey, multi-bay rigid frames for the benchmarks: columns 300 cm high, beams
// 600 cm long, fixed bases, a gravity load at every upper node and a sway load at the left side,
// and if asked a uniform load along every beam.
#pragma once

#include <string>

// Nodes: (storeys + 1) x (bays + 1). `beamLoad` in kg/cm along global y on every beam, as a
// MEMBERLOADS table after the supports; 0 writes no table. Writes the model file; returns false
// when it cannot.
bool WriteRegularFrame(const std::string& path, int storeys, int bays, double beamLoad = 0.0);
