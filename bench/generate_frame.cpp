// generate_frame STOREYS BAYS FILE: writes a regular rigid frame model file for benchmarks and
// for trying the program on a larger model.
#include <cstdio>
#include <cstdlib>

#include "regular_frame.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: generate_frame STOREYS BAYS FILE\n");
    return 2;
  }
  const int storeys = std::atoi(argv[1]);
  const int bays = std::atoi(argv[2]);
  if (storeys < 1 || bays < 1 || (storeys + 1) * (bays + 1) > 10922) {
    std::fprintf(stderr, "STOREYS and BAYS must be at least 1 and give at most 10922 nodes\n");
    return 2;
  }
  if (!WriteRegularFrame(argv[3], storeys, bays)) {
    std::fprintf(stderr, "cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
