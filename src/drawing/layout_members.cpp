// The member lines: one record per member from its first node to its second, fitted to the
// picture. The diagrams and the deflected shape start from these records.
#include "drawing_builders.h"

void LayoutMembers(const Model& model, const ViewFit& fit, DrawingList& memberLines) {
  memberLines.SetCount(model.memberCount, "解析モデル");
  for (size_t j = 0; j < static_cast<size_t>(memberLines.count); ++j) {
    const MemberRecord& member = model.members[j];
    const DrawingPoint p1 =
        NodeDrawingPoint(fit, model.nodes[static_cast<size_t>(member.node1Index)]);
    const DrawingPoint p2 =
        NodeDrawingPoint(fit, model.nodes[static_cast<size_t>(member.node2Index)]);
    memberLines.records[j] = {p1.X, p1.Y, p2.X, p2.Y};
  }
}
