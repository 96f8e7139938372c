// Degree-of-freedom numbers: the node at table position j owns 3j (u along x), 3j + 1 (v along
// y) and 3j + 2 (θ, counter-clockwise). The numbers are formed in 16-bit arithmetic, like every
// position of the stores, so an overflow is an ArithmeticFault rather than a wrapped index.
#pragma once

#include <array>
#include <cstdint>

#include "model/model.h"

enum NodeDirection : int16_t { DirectionU = 0, DirectionV = 1, DirectionTheta = 2 };

int16_t NodeDof(int16_t nodeIndex, int16_t direction);

// u, v, θ at end 1, then u, v, θ at end 2: the member's element order.
std::array<int16_t, 6> MemberDofs(const MemberRecord& member);

// "u", "v" or "θ", for messages that name a direction.
const char* DirectionName(int direction);
