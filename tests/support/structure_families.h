// Generated plane structures in two families, written as model files: mechanisms the supports,
// the sections or the hinges leave free to move, and valid structures whose stiffnesses differ by
// many orders of magnitude or whose hinges the supports and springs hold. The analysis tests run
// them; bench/pivot_survey measures their pivots.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/model.h"

enum class StructureFamily { Mechanism, Valid };

// One shape of structure at a few sizes. Variant 0 has the round section values of a textbook
// example (A 50 cm², I 400 cm⁴, E 2100000 kg/cm², whose products are exact in single precision);
// variant v > 0 takes sections from a table of rolled and concrete sections (seeded by v).
// Scrambled, the node table is put in a random order and the nodes get a random permutation of
// their user numbers (seeded by v as well).
struct StructureGenerator {
  const char* name;
  StructureFamily family;
  std::string (*modelText)(int size, int variant, bool scrambled);
};

constexpr int kStructureSizes = 5;

// Every generator of both families.
const std::vector<StructureGenerator>& StructureGenerators();

// A straight beam of `members` members 30 cm long (the textbook section) with 100 kg down at its
// far end, to see how pivots scale with the length of a chain: fixed at its start, or on a pin
// and a roller (valid); on the pin alone, or with its start held by two bars (I = 0) from two
// fixed nodes, which pin it without holding its rotation (mechanisms).
enum class ChainSupports { Fixed, PinAndRoller, PinOnly, PinOfBars };
std::string BeamChain(int members, ChainSupports supports);

// A frame of `storeys` × `bays` on pinned bases (the textbook section): with beams of bars
// (I = 0) a mechanism, every column turning about its pin; with bending beams valid.
std::string PinnedFrame(int storeys, int bays, bool barBeams);

// A structure with hinges and springs: the text of its five tables, and its HINGES and SPRINGS
// records as the reader and the reference check would leave them for that text (member and node
// table positions resolved), to be added to the model read from it.
struct JointedStructure {
  std::string text;
  std::vector<HingeRecord> hinges;
  std::vector<SpringRecord> springs;
  std::vector<int> hingedNodes;  // user numbers of the nodes whose θ only released ends meet
};

// Hinge and spring arrangements of the shapes above, in the two families, sized and scrambled
// as a StructureGenerator's; the textbook section at variant 0.
struct JointedGenerator {
  const char* name;
  StructureFamily family;
  JointedStructure (*model)(int size, int variant, bool scrambled);
};

const std::vector<JointedGenerator>& JointedGenerators();

// "rollers only size 1 variant 2 scrambled", for messages; a generator of either kind.
template <typename Generator>
std::string StructureLabel(const Generator& generator, int size, int variant, bool scrambled) {
  return std::string(generator.name) + " size " + std::to_string(size) + " variant " +
         std::to_string(variant) + (scrambled ? " scrambled" : "");
}
