// Builds a model value straight, as the reader and the reference check would leave it:
// every table with its spare all-zero record, members, loads and supports resolved to the
// node and section positions given, user numbers taken from those records.
#pragma once

#include <cstdint>
#include <string>

#include "model/model.h"

class ModelBuilder {
 public:
  ModelBuilder& Node(int16_t nodeNo, float x, float y);
  ModelBuilder& Section(int16_t sectionNo, float area, float inertia, float youngModulus);
  ModelBuilder& Member(int16_t memberNo, int16_t node1Index, int16_t node2Index,
                       int16_t sectionIndex = 0);
  ModelBuilder& Load(int16_t nodeIndex, float fx, float fy, float moment);
  ModelBuilder& Support(int16_t nodeIndex, int16_t fixU, int16_t fixV, int16_t fixTheta);
  // A load along the member at table position memberIndex: kind, direction, p1, p2, a, b as the
  // MEMBERLOADS table writes them.
  ModelBuilder& MemberLoad(int16_t memberIndex, int16_t kind, int16_t direction, double p1,
                           double p2, double a, double b);
  // A HINGES, SPRINGS or SETTLEMENTS record of the member or node at that table position.
  ModelBuilder& Hinge(int16_t memberIndex, int16_t release1, int16_t release2);
  ModelBuilder& Spring(int16_t nodeIndex, double kx, double ky, double kTheta);
  ModelBuilder& Settlement(int16_t nodeIndex, double u, double v, double theta);
  // The model built so far.
  Model Build(const std::string& modelPath = "model.txt") const;

 private:
  Model model_;  // the records only; Build adds the counts and spare records
};
