// The views of the three force diagram tabs (bending moment, shear force, axial force): one
// filled quadrilateral per member between the member and its offset line, black outlines, the
// members drawn thick on top, and the diagram's maximum beside the drawing.
#pragma once

void DrawMomentTab();
void DrawShearTab();
void DrawAxialTab();
