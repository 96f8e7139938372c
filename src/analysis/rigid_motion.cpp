#include "rigid_motion.h"

#include "model/model_store.h"

namespace {

// Whether any restraint of a direction was met, and whether at two different coordinates.
struct Restraints {
  bool any = false;
  bool atTwoPlaces = false;
  float place = 0.0f;

  void Add(float coordinate) {
    if (any && coordinate != place) atTwoPlaces = true;
    if (!any) place = coordinate;
    any = true;
  }
};

}  // namespace

bool SupportsAllowRigidMotion() {
  if (modelStore.nodeCount == 0) return false;
  Restraints u;  // a restrained u at height y forces a = θ·y
  Restraints v;  // a restrained v at abscissa x forces b = −θ·x
  bool theta = false;
  for (int16_t s = 0; s < modelStore.supportCount; ++s) {
    const SupportRecord& support = modelStore.supports[static_cast<size_t>(s)];
    const NodeRecord& node = modelStore.nodes[static_cast<size_t>(support.nodeIndex)];
    if (support.fixU != 0) u.Add(node.y);
    if (support.fixV != 0) v.Add(node.x);
    if (support.fixTheta != 0) theta = true;
  }
  // θ = 0 is forced by a restrained rotation, or by two restrained u at different heights (or v
  // at different abscissae); then a = 0 and b = 0 need a restrained u and a restrained v.
  const bool rotationHeld = theta || u.atTwoPlaces || v.atTwoPlaces;
  return !(u.any && v.any && rotationHeld);
}
