// The member lines: one record per member from its first node to its second, fitted to the
// picture. The diagrams and the deflected shape start from these records.
#include "drawing_builders.h"
#include "drawing_lists.h"
#include "model/model_store.h"
#include "view_fit.h"

void LayoutMembers(float pictureWidth, int16_t pictureHeight) {
  const ViewFit fit = ComputeViewFit(pictureWidth, pictureHeight);
  MemberLines.SetCount(modelStore.memberCount, "解析モデル");
  for (size_t j = 0; j < static_cast<size_t>(MemberLines.count); ++j) {
    const MemberRecord& member = modelStore.members[j];
    const DrawingPoint p1 =
        NodeDrawingPoint(fit, modelStore.nodes[static_cast<size_t>(member.node1Index)]);
    const DrawingPoint p2 =
        NodeDrawingPoint(fit, modelStore.nodes[static_cast<size_t>(member.node2Index)]);
    MemberLines.records[j] = {p1.X, p1.Y, p2.X, p2.Y};
  }
}
