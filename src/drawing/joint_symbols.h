// How the hinges, springs and settlements are recorded in the joint symbol list of the model
// view, a fixed number of records for each, so that a view can walk the list with the model in
// hand: first every HINGES record in table order, a circle for each released end; then every
// SPRINGS record, a zig-zag for a non-zero kx and ky and a coil for a non-zero kθ; then every
// SETTLEMENTS record, an arrow for a non-zero u and v and an arc for a non-zero θ, three records
// each as a nodal load component's. A model without these tables has an empty list.
#pragma once

#include "model/model.h"

// A hinge's circle is one record: its centre and its radius twice, as a moment's arc.
inline constexpr int kHingeRecords = 1;
// A translational spring: the lead from the node, the strokes of the zig-zag, the lead to the
// ground and the ground line across it.
inline constexpr int kZigzagStrokes = 6;
inline constexpr int kZigzagRecords = kZigzagStrokes + 3;
// A rotational spring: a spiral around the node in straight strokes, two turns, then the ground
// line at its outer end.
inline constexpr int kCoilStrokes = 16;
inline constexpr int kCoilRecords = kCoilStrokes + 1;
inline constexpr int kSettlementRecords = 3;

// The released ends of a hinge record: 0, 1 or 2 circles.
inline int HingeCircles(const HingeRecord& hinge) {
  return (hinge.release1 != 0 ? 1 : 0) + (hinge.release2 != 0 ? 1 : 0);
}

// Records of the symbols of one spring record; a stiffness of 0 has none.
inline int SpringSymbolRecords(const SpringRecord& spring) {
  return (spring.kx != 0.0 ? kZigzagRecords : 0) + (spring.ky != 0.0 ? kZigzagRecords : 0) +
         (spring.kTheta != 0.0 ? kCoilRecords : 0);
}
