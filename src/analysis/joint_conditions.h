// The hinges, springs and settlements of a model as the analysis steps take them: per member
// which ends transmit no moment, per degree of freedom the spring stiffness and the prescribed
// displacement. Each list is empty for a model without the table, so that a model without them
// is analysed exactly as before. The records must have been resolved by the reference check.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "model/model.h"

// Ends 1 and 2 of a member: true where the end is released (transmits no moment).
using MemberReleases = std::array<bool, 2>;

// One entry per member in table order; empty when the model has no HINGES records. (The reader
// takes one record per member; two, from a model built otherwise, would combine.)
std::vector<MemberReleases> ReleasesOfMembers(const Model& model);

// The releases of the member at `position` from ReleasesOfMembers' list: none when it is empty.
inline MemberReleases ReleasesAt(const std::vector<MemberReleases>& releases, size_t position) {
  return releases.empty() ? MemberReleases{} : releases[position];
}

// kx, ky, kθ of every node at 3j, 3j + 1, 3j + 2 (kg/cm, kg·cm/rad), `count` entries; empty
// when the model has no SPRINGS records. (One record per node; two would add.)
std::vector<double> SpringStiffnesses(const Model& model, size_t count);

// u, v, θ prescribed at every degree of freedom (cm, rad), `count` entries, 0 where nothing is
// prescribed; empty when the model has no SETTLEMENTS records. (One record per node; a second
// would replace the first.)
std::vector<double> PrescribedDisplacements(const Model& model, size_t count);

// Whether any member end is released, any spring given or any settlement prescribed.
inline bool HasJointConditions(const Model& model) {
  return !model.hinges.empty() || !model.springs.empty() || !model.settlements.empty();
}
