#include "dof_numbering.h"

#include "arithmetic/int16_math.h"

int16_t NodeDof(int16_t nodeIndex, int16_t direction) {
  return Add16(Mul16(3, nodeIndex), direction);
}

std::array<int16_t, 6> MemberDofs(const MemberRecord& member) {
  return {NodeDof(member.node1Index, DirectionU), NodeDof(member.node1Index, DirectionV),
          NodeDof(member.node1Index, DirectionTheta), NodeDof(member.node2Index, DirectionU),
          NodeDof(member.node2Index, DirectionV), NodeDof(member.node2Index, DirectionTheta)};
}

const char* DirectionName(int direction) {
  switch (direction) {
    case DirectionU: return "u";
    case DirectionV: return "v";
    default: return "θ";
  }
}
