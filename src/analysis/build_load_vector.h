// The load step of a run: each nodal load record puts its Fx, Fy and M (kg, kg, kg·cm) on its
// node's three equations. A later record for the same node replaces the earlier one.
#pragma once

#include "analysis_system.h"
#include "loaded_members.h"

void BuildLoadVector(const Model& model, AnalysisSystem& system);

// Adds the loads along members to the stored nodal loads as equivalent nodal loads: each loaded
// member's fixed-end forces, turned to global axes and reversed, on its ends' equations. What
// falls on a restrained direction the supports step takes out of the system, and the reactions
// get it back through the member's full end forces. Throws RunError naming the member at an
// overflow.
void AddEquivalentNodalLoads(const Model& model, const MemberLoading& loading,
                             AnalysisSystem& system);
