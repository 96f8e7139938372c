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
  double value = 0.0;  // N, Q, M (kg, kg·cm) or dx, dy (cm) with its sign; √(u² + v²), cm
  MemberStation place;
};

// Each is the first place from node 1 with the largest absolute value (a later place equal to it
// but for rounding, 1e-12 of it, does not count as larger), among the result stations and the
// stationary points between them: for M the peaks above, for Q and N the vertex of their
// quadratic where a distributed load changes sign, for the displacements the places where their
// derivative vanishes, found from their polynomials between stations to rounding. A stationary
// point within 1e-9 of the interval from a station is the station itself.
struct MemberMaxima {
  MemberExtreme moment;
  MemberExtreme shear;
  MemberExtreme axial;
  MemberExtreme displacement;   // √(u² + v²)
  MemberExtreme displacementX;  // dx = c·u − s·v, along global x
  MemberExtreme displacementY;  // dy = s·u + c·v, along global y
};

MemberMaxima FindMemberMaxima(const LoadedMember& member);
