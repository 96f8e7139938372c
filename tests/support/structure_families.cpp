#include "support/structure_families.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <numeric>
#include <random>
#include <utility>

namespace {

struct Node {
  double x, y;  // cm
};
struct Section {
  double area, inertia, modulus;  // cm², cm⁴, kg/cm²
};
struct Member {
  int node1, node2, section;  // positions in the unscrambled node list and the section list
};
struct Load {
  int node;
  double fx, fy, moment;  // kg, kg, kg·cm
};
struct Support {
  int node, u, v, theta;
};
struct Hinge {
  int member;
  int16_t release1, release2;
};
struct Spring {
  int node;
  double kx, ky, kTheta;  // kg/cm, kg/cm, kg·cm/rad
};

struct Structure {
  std::vector<Node> nodes;
  std::vector<Section> sections;
  std::vector<Member> members;
  std::vector<Load> loads;
  std::vector<Support> supports;
  int supportsShort = 0;  // how many support lines the counts line leaves out
  std::vector<Hinge> hinges;
  std::vector<Spring> springs;
  std::vector<int> hingedNodes;  // nodes whose θ only released ends meet

  int AddNode(double x, double y) {
    nodes.push_back({x, y});
    return static_cast<int>(nodes.size()) - 1;
  }
  int AddSection(Section section) {
    sections.push_back(section);
    return static_cast<int>(sections.size()) - 1;
  }
  void AddMember(int node1, int node2, int section) { members.push_back({node1, node2, section}); }
};

// Steel (E 2100000 or 2050000 kg/cm²), concrete and timber sections of everyday sizes: their
// products A·E and E·c·I are rarely exact in single precision.
constexpr std::array<Section, 12> kSectionTable{{
    {26.35, 1000, 2050000},  {38.11, 2630, 2100000},   {55.49, 6040, 2050000},
    {71.05, 11100, 2100000}, {99.53, 21200, 2050000},  {133.2, 37900, 2100000},
    {159.2, 68900, 2050000}, {187.2, 114000, 2100000}, {63.53, 4720, 2050000},
    {1600, 213333.3, 210000}, {1800, 540000, 235000},  {110.25, 1012.9, 70000},
}};

// Section `which` of a structure in variant `variant` (see StructureGenerator).
Section TableSection(int variant, int which) {
  if (variant == 0) return {50, 400, 2100000};
  const auto index = static_cast<size_t>(variant * 5 + which * 3) % kSectionTable.size();
  return kSectionTable[index];
}

Section WithArea(Section section, double area) {
  section.area = area;
  return section;
}
Section WithInertia(Section section, double inertia) {
  section.inertia = inertia;
  return section;
}

// Node positions of a regular frame, row by row from the base: level s, column line c.
struct FrameGrid {
  int storeys, bays, firstNode;
  int At(int storey, int column) const { return firstNode + storey * (bays + 1) + column; }
};

// Columns 300 cm high, beams 600 cm long, all grid nodes first; with a `shortPiece` > 0 every
// beam is split into three members around a piece of that length at its middle.
FrameGrid AddFrame(Structure& s, int storeys, int bays, int column, int beam,
                   double shortPiece = 0) {
  constexpr double kHeight = 300, kSpan = 600;
  const FrameGrid grid{storeys, bays, static_cast<int>(s.nodes.size())};
  for (int storey = 0; storey <= storeys; ++storey) {
    for (int c = 0; c <= bays; ++c) s.AddNode(c * kSpan, storey * kHeight);
  }
  for (int storey = 1; storey <= storeys; ++storey) {
    for (int c = 0; c <= bays; ++c) s.AddMember(grid.At(storey - 1, c), grid.At(storey, c), column);
    for (int c = 0; c < bays; ++c) {
      const int left = grid.At(storey, c), right = grid.At(storey, c + 1);
      if (shortPiece <= 0) {
        s.AddMember(left, right, beam);
        continue;
      }
      const double y = storey * kHeight;
      const double middle = c * kSpan + kSpan / 2;
      const int a = s.AddNode(middle - shortPiece / 2, y);
      const int b = s.AddNode(middle + shortPiece / 2, y);
      s.AddMember(left, a, beam);
      s.AddMember(a, b, beam);
      s.AddMember(b, right, beam);
    }
  }
  return grid;
}

// 2000 kg down at every node above the bases, 1000 kg along +x at the left column's.
void AddFrameLoads(Structure& s, const FrameGrid& grid) {
  for (int storey = 1; storey <= grid.storeys; ++storey) {
    for (int c = 0; c <= grid.bays; ++c) {
      s.loads.push_back({grid.At(storey, c), c == 0 ? 1000.0 : 0.0, -2000, 0});
    }
  }
}

void SupportBases(Structure& s, const FrameGrid& grid, int u, int v, int theta) {
  for (int c = 0; c <= grid.bays; ++c) s.supports.push_back({grid.At(0, c), u, v, theta});
}

// The stations of a Pratt truss: the bottom node of station i and the top node above it.
struct PrattStations {
  int panels, firstNode;
  int Bottom(int station) const { return firstNode + 2 * station; }
  int Top(int station) const { return firstNode + 2 * station + 1; }
};

// A Pratt truss of `panels` panels 300 cm wide and 400 cm high: bottom and top chords, a
// vertical at every station, one diagonal per panel. Panel `omitDiagonal` gets no diagonal;
// panel `thinDiagonal`'s has the section `thin`.
PrattStations AddPratt(Structure& s, int panels, int bar, int omitDiagonal = -1,
                       int thinDiagonal = -1, int thin = -1) {
  constexpr double kWidth = 300, kHeight = 400;
  const PrattStations truss{panels, static_cast<int>(s.nodes.size())};
  for (int i = 0; i <= panels; ++i) {
    s.AddNode(i * kWidth, 0);
    s.AddNode(i * kWidth, kHeight);
  }
  for (int i = 0; i <= panels; ++i) s.AddMember(truss.Bottom(i), truss.Top(i), bar);
  for (int i = 0; i < panels; ++i) {
    s.AddMember(truss.Bottom(i), truss.Bottom(i + 1), bar);
    s.AddMember(truss.Top(i), truss.Top(i + 1), bar);
    if (i == omitDiagonal) continue;
    // Diagonals fall towards the middle, as in a Pratt truss under gravity.
    const bool left = 2 * i < panels;
    const int from = left ? truss.Top(i) : truss.Bottom(i);
    const int to = left ? truss.Bottom(i + 1) : truss.Top(i + 1);
    s.AddMember(from, to, i == thinDiagonal ? thin : bar);
  }
  return truss;
}

// A pin at the left bottom node and a roller at the right one, rotations restrained at every
// node (bars have no bending stiffness); 2000 kg down at the inner bottom nodes.
void SupportAndLoadPratt(Structure& s, const PrattStations& truss) {
  s.supports.push_back({truss.Bottom(0), 1, 1, 1});
  s.supports.push_back({truss.Bottom(truss.panels), 0, 1, 1});
  for (int i = 0; i <= truss.panels; ++i) {
    const bool inner = i != 0 && i != truss.panels;
    if (inner) s.supports.push_back({truss.Bottom(i), 0, 0, 1});
    s.supports.push_back({truss.Top(i), 0, 0, 1});
    if (inner) s.loads.push_back({truss.Bottom(i), 0, -2000, 0});
  }
}

// `segments` members of `length` cm along x from the origin; returns the node positions.
std::vector<int> AddBeamLine(Structure& s, int segments, double length, int section) {
  std::vector<int> nodes{s.AddNode(0, 0)};
  for (int i = 1; i <= segments; ++i) {
    nodes.push_back(s.AddNode(i * length, 0));
    s.AddMember(nodes[static_cast<size_t>(i) - 1], nodes.back(), section);
  }
  return nodes;
}

constexpr std::array<std::pair<int, int>, kStructureSizes> kFrameSizes{
    {{2, 1}, {3, 2}, {6, 3}, {10, 5}, {20, 10}}};

int FrameStoreys(int size) { return kFrameSizes[static_cast<size_t>(size)].first; }
int FrameBays(int size) { return kFrameSizes[static_cast<size_t>(size)].second; }

int Pick(std::initializer_list<int> values, int size) {
  return *(values.begin() + size);
}

// Where the model file puts the nodes: in the order of the structure with user numbers
// 1 .. nodes, or, scrambled, the node table in a random order with a random permutation of them.
struct NodeNumbering {
  std::vector<size_t> order;  // order[table position] = node
  std::vector<int> number;    // user number of each node

  NodeNumbering(size_t count, int variant, bool scrambled) : order(count), number(count) {
    std::iota(order.begin(), order.end(), size_t{0});
    std::iota(number.begin(), number.end(), 1);
    if (scrambled) {
      std::mt19937_64 random(static_cast<uint64_t>(variant) * 7919u + count);
      std::shuffle(order.begin(), order.end(), random);
      std::shuffle(number.begin(), number.end(), random);
    }
  }
  int16_t Position(int node) const {
    const auto found = std::find(order.begin(), order.end(), static_cast<size_t>(node));
    return static_cast<int16_t>(found - order.begin());
  }
};

// The model file: the five tables, the nodes numbered and ordered as NodeNumbering says.
std::string ModelText(const Structure& s, const char* title, int variant, bool scrambled) {
  const size_t count = s.nodes.size();
  const NodeNumbering numbering(count, variant, scrambled);
  const std::vector<size_t>& order = numbering.order;
  const std::vector<int>& number = numbering.number;
  std::string text;
  char line[160];
  auto add = [&text, &line](int length) { text.append(line, static_cast<size_t>(length)); };
  add(std::snprintf(line, sizeof line, "FEMDATA\r\n%s%s\r\ncounts\r\n%zu,%zu,%zu,%zu,%zu\r\n",
                    title, scrambled ? " (scrambled)" : "", count, s.sections.size(),
                    s.members.size(), s.loads.size(),
                    s.supports.size() - static_cast<size_t>(s.supportsShort)));
  add(std::snprintf(line, sizeof line, "node,x,y\r\n"));
  for (size_t position = 0; position < count; ++position) {
    const Node& node = s.nodes[order[position]];
    add(std::snprintf(line, sizeof line, "%d,%.9g,%.9g\r\n", number[order[position]], node.x,
                      node.y));
  }
  add(std::snprintf(line, sizeof line, "section,A,I,E\r\n"));
  for (size_t i = 0; i < s.sections.size(); ++i) {
    const Section& section = s.sections[i];
    add(std::snprintf(line, sizeof line, "%zu,%.9g,%.9g,%.9g\r\n", i + 1, section.area,
                      section.inertia, section.modulus));
  }
  add(std::snprintf(line, sizeof line, "member,node1,node2,section\r\n"));
  for (size_t i = 0; i < s.members.size(); ++i) {
    const Member& member = s.members[i];
    add(std::snprintf(line, sizeof line, "%zu,%d,%d,%d\r\n", i + 1,
                      number[static_cast<size_t>(member.node1)],
                      number[static_cast<size_t>(member.node2)], member.section + 1));
  }
  add(std::snprintf(line, sizeof line, "node,Fx,Fy,M\r\n"));
  for (const Load& load : s.loads) {
    add(std::snprintf(line, sizeof line, "%d,%.9g,%.9g,%.9g\r\n",
                      number[static_cast<size_t>(load.node)], load.fx, load.fy, load.moment));
  }
  add(std::snprintf(line, sizeof line, "node,u,v,theta\r\n"));
  for (const Support& support : s.supports) {
    add(std::snprintf(line, sizeof line, "%d,%d,%d,%d\r\n",
                      number[static_cast<size_t>(support.node)], support.u, support.v,
                      support.theta));
  }
  return text;
}

// A frame of the given size with its column and beam sections, the frame loads and every base
// on the support flags u, v, θ.
std::string LoadedFrame(const char* title, Section column, Section beam,
                        std::array<int, 3> baseFlags, int size, int variant, bool scrambled) {
  Structure s;
  const int columnSection = s.AddSection(column);
  const int beamSection = s.AddSection(beam);
  const FrameGrid grid =
      AddFrame(s, FrameStoreys(size), FrameBays(size), columnSection, beamSection);
  AddFrameLoads(s, grid);
  SupportBases(s, grid, baseFlags[0], baseFlags[1], baseFlags[2]);
  return ModelText(s, title, variant, scrambled);
}

// Mechanisms.

// Every base on a roller (v restrained only): the frame slides sideways.
std::string RollersOnly(int size, int variant, bool scrambled) {
  return LoadedFrame("frame on rollers only", TableSection(variant, 0), TableSection(variant, 1),
                     {0, 1, 0}, size, variant, scrambled);
}

// The middle panel of a truss without its diagonal: that panel shears.
std::string PanelWithoutDiagonal(int size, int variant, bool scrambled) {
  Structure s;
  const int bar = s.AddSection(WithInertia(TableSection(variant, 0), 0));
  const int panels = Pick({2, 4, 8, 16, 64}, size);
  SupportAndLoadPratt(s, AddPratt(s, panels, bar, panels / 2));
  return ModelText(s, "truss with a panel missing its diagonal", variant, scrambled);
}

// A frame held by one pin at a base, the other bases' supports forgotten: it turns about the pin.
std::string MissingSupport(int size, int variant, bool scrambled) {
  Structure s;
  const int column = s.AddSection(TableSection(variant, 0));
  const int beam = s.AddSection(TableSection(variant, 1));
  const FrameGrid grid = AddFrame(s, FrameStoreys(size), FrameBays(size), column, beam);
  AddFrameLoads(s, grid);
  s.supports.push_back({grid.At(0, 0), 1, 1, 0});
  return ModelText(s, "frame on a single pin", variant, scrambled);
}

// A beam on a pin and a roller whose counts line says one support: the roller's line is read as
// trailing text, and the beam turns about the pin.
std::string MiscountedSupport(int size, int variant, bool scrambled) {
  Structure s;
  const int segments = Pick({2, 4, 10, 40, 160}, size);
  const std::vector<int> nodes =
      AddBeamLine(s, segments, 600.0 / 2, s.AddSection(TableSection(variant, 0)));
  for (size_t i = 1; i + 1 < nodes.size(); ++i) s.loads.push_back({nodes[i], 0, -1000, 0});
  s.supports.push_back({nodes.front(), 1, 1, 0});
  s.supports.push_back({nodes.back(), 0, 1, 0});
  s.supportsShort = 1;
  return ModelText(s, "beam whose support count is one short", variant, scrambled);
}

// Bars (I = 0) in one straight inclined line between two pins: the inner hinges move across it.
std::string HingeChain(int size, int variant, bool scrambled) {
  Structure s;
  const int bar = s.AddSection(WithInertia(TableSection(variant, 0), 0));
  const int segments = Pick({2, 3, 6, 12, 48}, size);
  std::vector<int> nodes{s.AddNode(0, 0)};
  for (int i = 1; i <= segments; ++i) {
    nodes.push_back(s.AddNode(400.0 * i, 300.0 * i));
    s.AddMember(nodes[static_cast<size_t>(i) - 1], nodes.back(), bar);
  }
  s.supports.push_back({nodes.front(), 1, 1, 1});
  s.supports.push_back({nodes.back(), 1, 1, 1});
  for (size_t i = 1; i + 1 < nodes.size(); ++i) {
    s.supports.push_back({nodes[i], 0, 0, 1});
    s.loads.push_back({nodes[i], 0, -1000, 0});
  }
  return ModelText(s, "chain of bars with free hinges", variant, scrambled);
}

// A frame braced by X bars (I = 0) whose crossing node, met only by bars, keeps θ free.
std::string BarsOnlyNode(int size, int variant, bool scrambled) {
  Structure s;
  const int column = s.AddSection(TableSection(variant, 0));
  const int beam = s.AddSection(TableSection(variant, 1));
  const int brace = s.AddSection(WithInertia(TableSection(variant, 2), 0));
  const int storeys = Pick({1, 2, 3, 6, 10}, size), bays = Pick({1, 1, 2, 3, 5}, size);
  const FrameGrid grid = AddFrame(s, storeys, bays, column, beam);
  for (int storey = 1; storey <= storeys; ++storey) {
    for (int c = 0; c < bays; ++c) {
      const Node& corner = s.nodes[static_cast<size_t>(grid.At(storey - 1, c))];
      const int centre = s.AddNode(corner.x + 300, corner.y + 150);
      for (int corners : {grid.At(storey - 1, c), grid.At(storey - 1, c + 1), grid.At(storey, c),
                          grid.At(storey, c + 1)}) {
        s.AddMember(corners, centre, brace);
      }
    }
  }
  AddFrameLoads(s, grid);
  SupportBases(s, grid, 1, 1, 1);
  return ModelText(s, "frame with X braces whose crossing turns freely", variant, scrambled);
}

// Columns on pins joined by bars (I = 0): every column turns about its pin and the frame sways.
std::string PinnedColumnsUnderBars(int size, int variant, bool scrambled) {
  return LoadedFrame("pinned columns joined by bars", TableSection(variant, 0),
                     WithInertia(TableSection(variant, 1), 0), {1, 1, 0}, size, variant,
                     scrambled);
}

// Valid structures.

// Columns with A·L²/I = 10⁷ and a slender inclined strut of the same slenderness in the
// first bay of every storey; fixed bases.
std::string SlenderColumns(int size, int variant, bool scrambled) {
  Structure s;
  constexpr double kSlenderness = 1e7;
  const Section columnSection = TableSection(variant, 0);
  const int column = s.AddSection(
      WithInertia(columnSection, columnSection.area * 300.0 * 300.0 / kSlenderness));
  const int beam = s.AddSection(TableSection(variant, 1));
  const double strutLength2 = 300.0 * 300.0 + 600.0 * 600.0;
  const int strut = s.AddSection(
      WithInertia(columnSection, columnSection.area * strutLength2 / kSlenderness));
  const FrameGrid grid = AddFrame(s, FrameStoreys(size), FrameBays(size), column, beam);
  for (int storey = 1; storey <= grid.storeys; ++storey) {
    s.AddMember(grid.At(storey - 1, 0), grid.At(storey, 1), strut);
  }
  AddFrameLoads(s, grid);
  SupportBases(s, grid, 1, 1, 1);
  return ModelText(s, "frame with slender columns and struts", variant, scrambled);
}

// Beams 10⁶ times as stiff in bending as the columns, on pinned bases.
std::string SoftColumnsStiffBeams(int size, int variant, bool scrambled) {
  const Section beam = TableSection(variant, 1);
  return LoadedFrame("frame with soft columns under stiff beams",
                     WithInertia(TableSection(variant, 0), beam.inertia / 1e6), beam, {1, 1, 0},
                     size, variant, scrambled);
}

// A truss whose middle diagonal has 1/10⁴ of the other bars' area.
std::string HairThinBar(int size, int variant, bool scrambled) {
  Structure s;
  const Section barSection = WithInertia(TableSection(variant, 0), 0);
  const int bar = s.AddSection(barSection);
  const int thin = s.AddSection(WithArea(barSection, barSection.area / 1e4));
  const int panels = Pick({2, 4, 8, 16, 64}, size);
  SupportAndLoadPratt(s, AddPratt(s, panels, bar, -1, panels / 2, thin));
  return ModelText(s, "truss with a hair-thin diagonal", variant, scrambled);
}

// A beam of 100 to 400 members 30 cm long: simply supported with 1000 kg down at midspan, or a
// cantilever with 100 kg down at its tip.
std::string LongBeam(int size, int variant, bool scrambled, bool cantilever) {
  Structure s;
  const int segments = Pick({100, 150, 200, 300, 400}, size);
  const std::vector<int> nodes =
      AddBeamLine(s, segments, 30, s.AddSection(TableSection(variant, 1)));
  if (cantilever) {
    s.loads.push_back({nodes.back(), 0, -100, 0});
    s.supports.push_back({nodes.front(), 1, 1, 1});
  } else {
    s.loads.push_back({nodes[nodes.size() / 2], 0, -1000, 0});
    s.supports.push_back({nodes.front(), 1, 1, 0});
    s.supports.push_back({nodes.back(), 0, 1, 0});
  }
  return ModelText(s, cantilever ? "long cantilever in many members" : "long beam in many members",
                   variant, scrambled);
}

std::string LongSpan(int size, int variant, bool scrambled) {
  return LongBeam(size, variant, scrambled, false);
}
std::string LongCantilever(int size, int variant, bool scrambled) {
  return LongBeam(size, variant, scrambled, true);
}

// Members whose lengths differ by `ratio`: a 1000 cm cantilever with a stub of 1000 / ratio cm
// at its tip (size 0), or frames whose beams carry a piece of 600 / ratio cm at midspan.
std::string DifferentLengths(int size, int variant, bool scrambled, double ratio) {
  Structure s;
  const int column = s.AddSection(TableSection(variant, 0));
  if (size == 0) {
    const int tip = s.AddNode(1000 + 1000 / ratio, 0);
    const int joint = s.AddNode(1000, 0);
    const int base = s.AddNode(0, 0);
    s.AddMember(base, joint, column);
    s.AddMember(joint, tip, column);
    s.loads.push_back({tip, 0, -1000, 0});
    s.supports.push_back({base, 1, 1, 1});
  } else {
    const int beam = s.AddSection(TableSection(variant, 1));
    const FrameGrid grid =
        AddFrame(s, FrameStoreys(size - 1), FrameBays(size - 1), column, beam, 600 / ratio);
    AddFrameLoads(s, grid);
    SupportBases(s, grid, 1, 1, 1);
  }
  return ModelText(s, "members of very different lengths", variant, scrambled);
}

std::string Lengths1000(int size, int variant, bool scrambled) {
  return DifferentLengths(size, variant, scrambled, 1e3);
}
std::string Lengths10000(int size, int variant, bool scrambled) {
  return DifferentLengths(size, variant, scrambled, 1e4);
}

// The structure's text, with its hinges and springs resolved against that text's tables.
JointedStructure Jointed(const Structure& s, const char* title, int variant, bool scrambled) {
  JointedStructure jointed{ModelText(s, title, variant, scrambled), {}, {}, {}};
  const NodeNumbering numbering(s.nodes.size(), variant, scrambled);
  const auto number = [&numbering](int node) {
    return numbering.number[static_cast<size_t>(node)];
  };
  for (const Hinge& hinge : s.hinges) {
    const auto member = static_cast<int16_t>(hinge.member);
    jointed.hinges.push_back({static_cast<int16_t>(member + 1), hinge.release1, hinge.release2,
                              member});
  }
  for (const Spring& spring : s.springs) {
    jointed.springs.push_back({static_cast<int16_t>(number(spring.node)), spring.kx, spring.ky,
                               spring.kTheta, numbering.Position(spring.node)});
  }
  for (const int node : s.hingedNodes) jointed.hingedNodes.push_back(number(node));
  return jointed;
}

bool AtBase(const Structure& s, int node) { return s.nodes[static_cast<size_t>(node)].y == 0; }

// A frame of 1 × 1 to 10 × 5 bays (the portal at size 0) under the frame loads, every column
// hinged at its foot; the bases on the support flags u, v, θ.
Structure FrameHingedAtTheFeet(int size, int variant, std::array<int, 3> baseFlags) {
  Structure s;
  const FrameGrid grid =
      AddFrame(s, Pick({1, 2, 3, 6, 10}, size), Pick({1, 1, 2, 3, 5}, size),
               s.AddSection(TableSection(variant, 0)), s.AddSection(TableSection(variant, 1)));
  AddFrameLoads(s, grid);
  SupportBases(s, grid, baseFlags[0], baseFlags[1], baseFlags[2]);
  for (size_t m = 0; m < s.members.size(); ++m) {
    if (AtBase(s, s.members[m].node1)) s.hinges.push_back({static_cast<int>(m), 1, 0});
  }
  return s;
}

// Fixed bases under the hinged feet stand as pins. With the left end of every storey's first
// beam hinged too the frame holds (at size 0 the three-hinged portal); with both ends of every
// beam hinged it sways (at size 0 the portal with a fourth hinge).
Structure HingedFrame(int size, int variant, bool everyBeamEnd) {
  Structure s = FrameHingedAtTheFeet(size, variant, {1, 1, 1});
  for (size_t m = 0; m < s.members.size(); ++m) {
    const Node& end1 = s.nodes[static_cast<size_t>(s.members[m].node1)];
    const Node& end2 = s.nodes[static_cast<size_t>(s.members[m].node2)];
    if (end1.y != end2.y) continue;
    if (everyBeamEnd) {
      s.hinges.push_back({static_cast<int>(m), 1, 1});
    } else if (end1.x == 0) {
      s.hinges.push_back({static_cast<int>(m), 1, 0});
    }
  }
  return s;
}

JointedStructure ThreeHingedFrame(int size, int variant, bool scrambled) {
  return Jointed(HingedFrame(size, variant, false), "frame hinged at its feet and a knee",
                 variant, scrambled);
}
JointedStructure SwayingHingedFrame(int size, int variant, bool scrambled) {
  return Jointed(HingedFrame(size, variant, true), "frame hinged at its feet and every beam end",
                 variant, scrambled);
}

// Pins under feet that are hinged as well: nothing holds the θ of a base.
JointedStructure PinsUnderHingedFeet(int size, int variant, bool scrambled) {
  Structure s = FrameHingedAtTheFeet(size, variant, {1, 1, 0});
  for (size_t n = 0; n < s.nodes.size(); ++n) {
    if (AtBase(s, static_cast<int>(n))) s.hingedNodes.push_back(static_cast<int>(n));
  }
  return Jointed(s, "frame on pins hinged at its feet", variant, scrambled);
}

// A cantilever of 1 to 160 members 300 cm long, hinged where it is fixed: it turns about its base.
JointedStructure CantileverHingedAtItsBase(int size, int variant, bool scrambled) {
  Structure s;
  const std::vector<int> nodes =
      AddBeamLine(s, Pick({1, 2, 10, 40, 160}, size), 300, s.AddSection(TableSection(variant, 0)));
  s.supports.push_back({nodes.front(), 1, 1, 1});
  s.loads.push_back({nodes.back(), 0, -100, 0});
  s.hinges.push_back({0, 1, 0});
  return Jointed(s, "cantilever hinged at its fixed end", variant, scrambled);
}

// A beam of 2 to 160 members 300 cm long with 1000 kg down at its middle node, hinged there.
// On a pin and a roller with the member before the middle hinged, the two halves turn about
// their supports unless a spring holds the middle node along y; fixed at both ends with both
// members hinged at the middle, only hinged ends meet there, and its θ is free unless a
// rotational spring holds it.
struct HingedBeam {
  Structure s;
  int middle;
};
HingedBeam BeamHingedInTheMiddle(int size, int variant, bool fixedAndHingedOnBothSides) {
  HingedBeam beam;
  Structure& s = beam.s;
  const int segments = Pick({2, 4, 10, 40, 160}, size);
  const std::vector<int> nodes =
      AddBeamLine(s, segments, 300, s.AddSection(TableSection(variant, 0)));
  beam.middle = nodes[static_cast<size_t>(segments / 2)];
  const int fixed = fixedAndHingedOnBothSides ? 1 : 0;
  s.supports.push_back({nodes.front(), 1, 1, fixed});
  s.supports.push_back({nodes.back(), fixed, 1, fixed});
  s.loads.push_back({beam.middle, 0, -1000, 0});
  s.hinges.push_back({segments / 2 - 1, 0, 1});
  if (fixedAndHingedOnBothSides) s.hinges.push_back({segments / 2, 1, 0});
  return beam;
}

JointedStructure SpanHinged(int size, int variant, bool scrambled) {
  return Jointed(BeamHingedInTheMiddle(size, variant, false).s,
                 "simple span hinged in the middle", variant, scrambled);
}
JointedStructure SpanHingedOnASpring(int size, int variant, bool scrambled) {
  HingedBeam beam = BeamHingedInTheMiddle(size, variant, false);
  beam.s.springs.push_back({beam.middle, 0, 1000, 0});
  return Jointed(beam.s, "simple span hinged in the middle on a spring", variant, scrambled);
}
JointedStructure HingedNode(int size, int variant, bool scrambled) {
  HingedBeam beam = BeamHingedInTheMiddle(size, variant, true);
  beam.s.hingedNodes.push_back(beam.middle);
  return Jointed(beam.s, "beam with a hinged node", variant, scrambled);
}
JointedStructure HingedNodeOnASpring(int size, int variant, bool scrambled) {
  HingedBeam beam = BeamHingedInTheMiddle(size, variant, true);
  beam.s.springs.push_back({beam.middle, 0, 0, 1e8});
  return Jointed(beam.s, "beam with a hinged node on a spring", variant, scrambled);
}

}  // namespace

std::string BeamChain(int members, ChainSupports supports) {
  Structure s;
  const int section = s.AddSection(TableSection(0, 0));
  const std::vector<int> nodes = AddBeamLine(s, members, 30, section);
  s.loads.push_back({nodes.back(), 0, -100, 0});
  switch (supports) {
    case ChainSupports::Fixed:
      s.supports.push_back({nodes.front(), 1, 1, 1});
      break;
    case ChainSupports::PinAndRoller:
      s.supports.push_back({nodes.front(), 1, 1, 0});
      s.supports.push_back({nodes.back(), 0, 1, 0});
      break;
    case ChainSupports::PinOnly:
      s.supports.push_back({nodes.front(), 1, 1, 0});
      break;
    case ChainSupports::PinOfBars: {
      const int bar = s.AddSection(WithInertia(TableSection(0, 0), 0));
      for (const Node anchor : {Node{-30, 0}, Node{0, -30}}) {
        const int node = s.AddNode(anchor.x, anchor.y);
        s.AddMember(node, nodes.front(), bar);
        s.supports.push_back({node, 1, 1, 1});
      }
      break;
    }
  }
  return ModelText(s, "beam chain", 0, false);
}

std::string PinnedFrame(int storeys, int bays, bool barBeams) {
  Structure s;
  const int column = s.AddSection(TableSection(0, 0));
  const int beam = s.AddSection(barBeams ? WithInertia(TableSection(0, 0), 0) : TableSection(0, 0));
  const FrameGrid grid = AddFrame(s, storeys, bays, column, beam);
  AddFrameLoads(s, grid);
  SupportBases(s, grid, 1, 1, 0);
  return ModelText(s, "frame on pinned bases", 0, false);
}

const std::vector<StructureGenerator>& StructureGenerators() {
  static const std::vector<StructureGenerator> generators{
      {"rollers only", StructureFamily::Mechanism, RollersOnly},
      {"panel without diagonal", StructureFamily::Mechanism, PanelWithoutDiagonal},
      {"missing support", StructureFamily::Mechanism, MissingSupport},
      {"miscounted support", StructureFamily::Mechanism, MiscountedSupport},
      {"hinge chain of bars", StructureFamily::Mechanism, HingeChain},
      {"node with bars only, theta free", StructureFamily::Mechanism, BarsOnlyNode},
      {"pinned columns joined by bars", StructureFamily::Mechanism, PinnedColumnsUnderBars},
      {"slender columns A.L2/I 1e7", StructureFamily::Valid, SlenderColumns},
      {"soft columns, I ratio 1e6", StructureFamily::Valid, SoftColumnsStiffBeams},
      {"hair-thin bar, A ratio 1e4", StructureFamily::Valid, HairThinBar},
      {"long span, 100-400 members", StructureFamily::Valid, LongSpan},
      {"long cantilever, 100-400 members", StructureFamily::Valid, LongCantilever},
      {"lengths 1:1000", StructureFamily::Valid, Lengths1000},
      {"lengths 1:10000", StructureFamily::Valid, Lengths10000},
  };
  return generators;
}

const std::vector<JointedGenerator>& JointedGenerators() {
  static const std::vector<JointedGenerator> generators{
      {"frame hinged at its feet and every beam end", StructureFamily::Mechanism,
       SwayingHingedFrame},
      {"pins under hinged feet", StructureFamily::Mechanism, PinsUnderHingedFeet},
      {"cantilever hinged at its fixed end", StructureFamily::Mechanism,
       CantileverHingedAtItsBase},
      {"simple span hinged in the middle", StructureFamily::Mechanism, SpanHinged},
      {"beam with a hinged node", StructureFamily::Mechanism, HingedNode},
      {"frame hinged at its feet and a knee", StructureFamily::Valid, ThreeHingedFrame},
      {"simple span hinged in the middle on a spring", StructureFamily::Valid,
       SpanHingedOnASpring},
      {"beam with a hinged node on a spring", StructureFamily::Valid, HingedNodeOnASpring},
  };
  return generators;
}
