// The hinges, springs and settlements on the model tab, drawn from the joint symbol list with the
// model in hand (drawing/joint_symbols.h): a black circle for every released member end, a blue
// zig-zag or coil for every spring stiffness, and for every prescribed displacement a red arrow
// or arc numbered on from the loads; and their list under the loads in the tab's label.
#pragma once

#include <string>

#include "views/tab_views.h"

// `firstNumber` is the number after the last load's. A symbol whose records lie beyond the
// list's count is not drawn.
void DrawJointConditions(DrawingSurface& surface, const ViewData& data, int firstNumber);

// 「ヒンジ」, 「ばね」 and 「支点変位」, each with its records that have a symbol; empty for a
// model without them.
std::string JointConditionListText(const Model& model, int firstNumber);
