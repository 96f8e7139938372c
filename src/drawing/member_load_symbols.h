// How the loads along members are recorded in the load symbol list, after the three records of
// every nodal load component: for each MEMBERLOADS record in table order that has a non-zero
// value, a fixed number of records by its kind, so that a view can walk the list with the model
// in hand. A concentrated force is an arrow and a concentrated moment an arc, three records each
// as a nodal load's; a distributed load is its outline, then a row of arrows from the outline to
// the member.
#pragma once

#include "model/member_load_record.h"

// Arrows under a distributed load: at its start, at its end and evenly between.
inline constexpr int kDistributedLoadArrows = 7;

// Records of the symbol of one load along a member; 0 for a load whose values are all zero,
// which is neither drawn nor listed, as a nodal load component of zero is not.
inline int MemberLoadSymbolRecords(const MemberLoadRecord& load) {
  if (load.kind == kDistributedLoad) {
    return load.p1 != 0.0 || load.p2 != 0.0 ? 1 + 3 * kDistributedLoadArrows : 0;
  }
  return load.p1 != 0.0 ? 3 : 0;
}
