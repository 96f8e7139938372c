// The four maxima of a finished run with the place each occurs: the member and the node at the
// end that holds it. The values are the analysis store's, in the report's units; the place is
// the first member end, in the member-force step's order, with the largest absolute value among
// the end forces as read back from "work2.txt", the values the results list. So ends that tie
// there name the first of them, as at midspan of a symmetric beam, though the unrounded forces
// may differ in their last bit.
#pragma once

#include <cstdint>
#include <vector>

struct MaximumPlace {
  double value = 0.0;        // as the report prints it: cm, t·m or t
  int16_t memberIndex = -1;  // positions in the model's tables; both -1 when value is 0
  int16_t nodeIndex = -1;
};

struct ResultMaxima {
  MaximumPlace displacement;  // |u| or |v| at a member end
  MaximumPlace moment;        // |M1| or |M2|
  MaximumPlace shear;         // |Q1|, at end 1
  MaximumPlace axial;         // |N2|, at end 2
};

// `endForces` holds N1, Q1, M1, N2, Q2, M2 of every member, as read back from "work2.txt".
ResultMaxima LocateMaxima(const std::vector<double>& endForces);
