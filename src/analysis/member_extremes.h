// Where the values along one loaded member are largest: the peaks of M between the result
// stations, and the largest |M|, |Q|, |N| and displacement with their places, for the results
// tables and the maxima of a run.
#pragma once

#include <vector>

#include "values_along_member.h"

// The places strictly between result stations where Q = 0 and M is stationary, found exactly:
// between two stations Q is a polynomial of degree 2 at most. Sorted by x, side after.
std::vector<MemberStation> MomentPeaks(const LoadedMember& member);

struct MemberExtreme {
  double value = 0.0;  // N, Q or M (kg, kg·cm) with its sign; for the displacement √(u² + v²), cm
  MemberStation place;
};

// Each is the first place from node 1 with the largest absolute value, among the result
// stations and the stationary points between them: for M the peaks above, for Q and N the
// vertex of their quadratic where a distributed load changes sign. The displacement is sampled
// densely between stations and refined by golden-section search to about 1e-12·L.
struct MemberMaxima {
  MemberExtreme moment;
  MemberExtreme shear;
  MemberExtreme axial;
  MemberExtreme displacement;
};

MemberMaxima FindMemberMaxima(const LoadedMember& member);
