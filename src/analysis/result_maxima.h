// The four maxima of a run with the place each occurs: the member and the node at the end that
// holds it. Each value is the largest absolute value among the exact end displacements and end
// forces; its place is the first member end, in member order, with the largest absolute value
// among the values as "work2.txt" holds them, the values the report and the results list. So
// ends that tie there name the first of them, as at midspan of a symmetric beam, though the
// exact forces may differ in their last bit.
#pragma once

#include <cstdint>
#include <vector>

#include "model/model.h"

struct MaximumPlace {
  double value = 0.0;        // cm, t·cm or t, as the member-force step keeps them
  int16_t memberIndex = -1;  // positions in the model's tables; both -1 when value is 0
  int16_t nodeIndex = -1;
};

struct ResultMaxima {
  MaximumPlace displacement;  // |u| or |v| at a member end, cm
  MaximumPlace moment;        // |M1| or |M2|, t·cm (shown ÷ 100 in t·m)
  MaximumPlace shear;         // |Q1|, at end 1, t
  MaximumPlace axial;         // |N2|, at end 2, t
};

// `displacements` u, v, θ of every node; `exactForces` N1, Q1, M1, N2, Q2, M2 of every member as
// computed and `shownForces` the same as "work2.txt" gives them back.
ResultMaxima LocateMaxima(const Model& model, const std::vector<double>& displacements,
                          const std::vector<double>& exactForces,
                          const std::vector<double>& shownForces);
