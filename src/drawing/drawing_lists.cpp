#include "drawing_lists.h"

std::vector<LineSegment> MemberLines(1);
int16_t MemberLineCount = 0;
std::vector<LineSegment> LoadSymbols(1);
int16_t LoadSymbolCount = 0;
std::vector<LineSegment> DeflectedShapeLines(1);
int16_t DeflectedShapeLineCount = 0;
std::vector<LineSegment> BendingMomentLines(1);
int16_t BendingMomentLineCount = 0;
std::vector<LineSegment> ShearForceLines(1);
int16_t ShearForceLineCount = 0;
std::vector<LineSegment> AxialForceLines(1);
int16_t AxialForceLineCount = 0;

float ModelWidth = 0.0f;
float ModelHeight = 0.0f;

const std::array<NamedDrawingList, 6> AllDrawingLists = {{
    {"MemberLines", &MemberLines, &MemberLineCount},
    {"LoadSymbols", &LoadSymbols, &LoadSymbolCount},
    {"DeflectedShapeLines", &DeflectedShapeLines, &DeflectedShapeLineCount},
    {"BendingMomentLines", &BendingMomentLines, &BendingMomentLineCount},
    {"ShearForceLines", &ShearForceLines, &ShearForceLineCount},
    {"AxialForceLines", &AxialForceLines, &AxialForceLineCount},
}};
