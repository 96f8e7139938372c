// generate_frame [--beam-load KG_PER_CM] STOREYS BAYS FILE: writes a regular rigid frame model
// file for benchmarks and for trying the program on a larger model; with --beam-load, every beam
// also carries that uniform load along global y (-10: 10 kg/cm downward) as a MEMBERLOADS table.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "regular_frame.h"

int main(int argc, char** argv) {
  double beamLoad = 0.0;
  if (argc == 6 && std::strcmp(argv[1], "--beam-load") == 0) {
    beamLoad = std::atof(argv[2]);
    argv += 2;
    argc -= 2;
  }
  if (argc != 4) {
    std::fprintf(stderr, "usage: generate_frame [--beam-load KG_PER_CM] STOREYS BAYS FILE\n");
    return 2;
  }
  const int storeys = std::atoi(argv[1]);
  const int bays = std::atoi(argv[2]);
  if (storeys < 1 || bays < 1 || (storeys + 1) * (bays + 1) > 10922) {
    std::fprintf(stderr, "STOREYS and BAYS must be at least 1 and give at most 10922 nodes\n");
    return 2;
  }
  if (!WriteRegularFrame(argv[3], storeys, bays, beamLoad)) {
    std::fprintf(stderr, "cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
