// What lies under a point of the picture: the node or the member whose drawn line passes within a
// few pixels of it, found in the drawing's own coordinates (twips, x to the right, y upward from
// the bottom edge) from the member lines, whose ends are the members' nodes. A node is preferred
// to the members that meet at it; among several, the nearest is taken, the first on a tie.
#pragma once

#include "drawing/drawing_lists.h"
#include "model/model.h"

struct PickedItem {
  enum class Kind { None, Node, Member };
  Kind kind = Kind::None;
  int index = -1;  // table position of the node or member
  bool operator==(const PickedItem&) const = default;
};

// The drawing point a pixel of the picture's image shows: the surface draws twips (x, y) at pixel
// (x / 15, y / 15) rounded, and a record's y is measured up from the bottom of a picture
// `pictureHeight` twips high, border included (stored_lines.h).
struct DrawingPlace {
  double x = 0.0;
  double y = 0.0;
};
DrawingPlace DrawingPlaceOfPixel(int imageX, int imageY, float pictureHeight);

// How near a point must lie to a node or a member line to pick it: four pixels.
inline constexpr double kPickToleranceTwips = 60.0;

// The node within `tolerance` of `place`, else the member line within it, else none.
PickedItem PickAt(const Model& model, const DrawingGeometry& geometry, DrawingPlace place,
                  double tolerance = kPickToleranceTwips);
