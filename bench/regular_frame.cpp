#include "regular_frame.h"

#include <cstdio>

namespace {

constexpr int kStoreyHeight = 300;  // cm
constexpr int kBaySpan = 600;       // cm
constexpr int kGravityLoad = -2000; // kg at every node above the bases
constexpr int kSwayLoad = 1000;     // kg along +x at the left column's nodes

// Node number of column line c at level s (level 0 is the base).
int NodeNo(int storey, int column, int bays) { return storey * (bays + 1) + column + 1; }

}  // namespace

bool WriteRegularFrame(const std::string& path, int storeys, int bays, double beamLoad) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const int nodeCount = (storeys + 1) * (bays + 1);
  const int memberCount = storeys * (bays + 1) + storeys * bays;
  const int loadCount = storeys * (bays + 1);
  std::fprintf(file, "FEMDATA\r\n%d-storey %d-bay rigid frame\r\ncounts\r\n", storeys, bays);
  std::fprintf(file, "%d,2,%d,%d,%d\r\nnode,x,y\r\n", nodeCount, memberCount, loadCount, bays + 1);
  for (int s = 0; s <= storeys; ++s) {
    for (int c = 0; c <= bays; ++c) {
      std::fprintf(file, "%d,%d,%d\r\n", NodeNo(s, c, bays), c * kBaySpan, s * kStoreyHeight);
    }
  }
  // Section 1 for the columns, 2 for the beams (cm², cm⁴, kg/cm²).
  std::fprintf(file, "section,A,I,E\r\n1,150,50000,2100000\r\n2,100,80000,2100000\r\n");
  std::fprintf(file, "member,node1,node2,section\r\n");
  int memberNo = 1;
  for (int s = 1; s <= storeys; ++s) {
    for (int c = 0; c <= bays; ++c) {
      std::fprintf(file, "%d,%d,%d,1\r\n", memberNo++, NodeNo(s - 1, c, bays), NodeNo(s, c, bays));
    }
    for (int c = 0; c < bays; ++c) {
      std::fprintf(file, "%d,%d,%d,2\r\n", memberNo++, NodeNo(s, c, bays), NodeNo(s, c + 1, bays));
    }
  }
  std::fprintf(file, "node,Fx,Fy,M\r\n");
  for (int s = 1; s <= storeys; ++s) {
    for (int c = 0; c <= bays; ++c) {
      std::fprintf(file, "%d,%d,%d,0\r\n", NodeNo(s, c, bays), c == 0 ? kSwayLoad : 0, kGravityLoad);
    }
  }
  std::fprintf(file, "node,u,v,theta\r\n");
  for (int c = 0; c <= bays; ++c) std::fprintf(file, "%d,1,1,1\r\n", NodeNo(0, c, bays));
  if (beamLoad != 0.0) {
    // The beams follow the storey's columns: members s·(bays + 1) + (s − 1)·bays + 1 .. + bays.
    std::fprintf(file, "MEMBERLOADS\r\nmember,kind,direction,p1,p2,a,b\r\n");
    for (int s = 1; s <= storeys; ++s) {
      const int firstBeam = s * (bays + 1) + (s - 1) * bays + 1;
      for (int b = 0; b < bays; ++b) {
        std::fprintf(file, "%d,1,4,%.15g,%.15g,0,0\r\n", firstBeam + b, beamLoad, beamLoad);
      }
    }
  }
  const bool written = std::ferror(file) == 0;
  return std::fclose(file) == 0 && written;
}
