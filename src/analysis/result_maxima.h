// The four maxima of a run with the place each occurs: the member, where along it, and the node
// when that is one of its ends. At a member end the value is the largest absolute value among
// the exact end displacements and end forces; its place is the first member end, in member
// order, with the largest absolute value among the values as "work2.txt" holds them, the values
// the report and the results list. So ends that tie there name the first of them, as at midspan
// of a symmetric beam, though the exact forces may differ in their last bit. A member with loads
// along it takes part with the largest values along it instead.
#pragma once

#include <cstdint>
#include <vector>

#include "along_member_results.h"
#include "model/model.h"

struct MaximumPlace {
  double value = 0.0;        // cm, t·cm or t, as the member-force step keeps them
  int16_t memberIndex = -1;  // positions in the model's tables; both -1 when value is 0
  int16_t nodeIndex = -1;    // also -1 when the place is not at an end of the member
  double x = 0.0;            // cm from the member's node 1; 0 when value is 0
};

struct ResultMaxima {
  MaximumPlace displacement;  // |u| or |v| at a member end, cm
  MaximumPlace moment;        // |M1| or |M2|, t·cm (shown ÷ 100 in t·m)
  MaximumPlace shear;         // |Q1|, at end 1, t
  MaximumPlace axial;         // |N2|, at end 2, t
};

// `displacements` u, v, θ of every node; `exactForces` N1, Q1, M1, N2, Q2, M2 of every member as
// computed and `shownForces` the same as "work2.txt" gives them back; `along` the run's values
// along members, empty for a model without loads along members. A member with loads along it
// offers the largest |dx|, then |dy| (global axes), and the largest |M|, |Q| and |N| along it,
// each at the first place from node 1 where it occurs.
ResultMaxima LocateMaxima(const Model& model, const std::vector<double>& displacements,
                          const std::vector<double>& exactForces,
                          const std::vector<double>& shownForces,
                          const std::vector<MemberAlong>& along = {});
