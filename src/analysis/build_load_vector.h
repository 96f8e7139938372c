// The load step of a run: each nodal load record puts its Fx, Fy and M (kg, kg, kg·cm) on its
// node's three equations. A later record for the same node replaces the earlier one.
#pragma once

#include "analysis_system.h"

void BuildLoadVector(const Model& model, AnalysisSystem& system);
