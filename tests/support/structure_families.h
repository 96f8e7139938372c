// Generated plane structures in two families, written as model files: mechanisms the supports or
// the sections leave free to move, and valid structures whose stiffnesses differ by many orders
// of magnitude. The analysis tests run them; bench/pivot_survey measures their pivots.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

// "rollers only size 1 variant 2 scrambled", for messages.
std::string StructureLabel(const StructureGenerator& generator, int size, int variant,
                           bool scrambled);
