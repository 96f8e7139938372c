// How a drawing geometry is built beyond the model, its result and the picture size. The window's
// 「詳細表示」 check box and femframe-batch --detailed set `detailed`; every writer of pictures that
// draws "as 「詳細表示」 draws" builds its geometry with it and passes the same flag in ViewData.
#pragma once

struct DrawingOptions {
  // false: the pictures exactly as they always were. true: the fit leaves room for everything
  // drawn (loads, supports, the deflected shape, the diagrams and their texts), the supports and
  // the reactions get their symbols and the values their texts (DrawingGeometry::details).
  bool detailed = false;
};
