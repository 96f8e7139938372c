#include "views/draw_model_tab.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

#include "drawing/member_load_symbols.h"
#include "text/number_text.h"
#include "views/draw_details.h"
#include "views/draw_joint_conditions.h"
#include "views/numbered_symbols.h"
#include "views/stored_lines.h"

namespace {

using LoadComponent = NumberedComponent;

constexpr LoadComponent kFx{". Fx = ", " [㎏]", false};
constexpr LoadComponent kFy{". Fy = ", " [㎏]", false};
constexpr LoadComponent kMoment{". M  = ", " [㎏･㎝]", true};

// Calls visit(component, value, number, node number) for every non-zero load component, Fx, Fy, M of each
// load in table order, numbered from 1 as the symbols and the list number them. Returns the
// number after the last.
template <typename Visit>
int ForEachLoadComponent(const Model& model, Visit visit) {
  int number = 1;
  for (int32_t j = 0; j < model.loadCount; ++j) {
    const NodalLoadRecord& load = model.loads[static_cast<size_t>(j)];
    for (const auto& [component, value] : {std::pair{&kFx, load.fx}, std::pair{&kFy, load.fy},
                                           std::pair{&kMoment, load.moment}}) {
      if (value != 0.0f) visit(*component, value, number++, load.nodeNo);
    }
  }
  return number;
}

// Calls visit(load, number, firstRecord) for every load along a member that has a symbol, in
// table order, numbered on from the nodal load components; firstRecord is the position of its
// first record in the load symbol list. Returns the number after the last.
template <typename Visit>
int ForEachMemberLoad(const Model& model, int firstNumber, Visit visit) {
  int number = firstNumber;
  size_t record = 3 * static_cast<size_t>(firstNumber - 1);
  for (const MemberLoadRecord& load : model.memberLoads) {
    const int records = MemberLoadSymbolRecords(load);
    if (records == 0) continue;
    visit(load, number++, record);
    record += static_cast<size_t>(records);
  }
  return number;
}

// A stored line of a load along a member; an arrow of zero length (where a distributed load's
// intensity is zero) is not drawn.
void DrawMemberLoadLine(DrawingSurface& surface, const LineSegment& line) {
  if (line.X1 != line.X2 || line.Y1 != line.Y2) DrawStoredLine(surface, line, kYellow);
}

// Draws the numbered symbol of a load along a member from its records in the load symbol list;
// a symbol whose records lie beyond the list's count is not drawn.
void DrawMemberLoad(DrawingSurface& surface, const DrawingList& symbols,
                    const MemberLoadRecord& load, int number, size_t first) {
  const size_t records = static_cast<size_t>(MemberLoadSymbolRecords(load));
  if (first + records > static_cast<size_t>(std::max(symbols.count, 0))) return;
  const LineSegment& firstRecord = symbols.records[first];
  const bool isMoment = load.kind == kConcentratedMoment;
  PrintSymbolNumber(surface, number, firstRecord, isMoment);
  if (isMoment) {
    DrawMomentArc(surface, firstRecord, load.p1 > 0.0, kYellow);
  } else {
    DrawMemberLoadLine(surface, firstRecord);
  }
  for (size_t k = first + 1; k < first + records; ++k) {
    DrawMemberLoadLine(surface, symbols.records[k]);
  }
}

// The list's kind, a moment for any other number; its direction after a blank, if any.
std::string KindName(const MemberLoadRecord& load) {
  const char* name = MemberLoadKindName(load.kind);
  return *name != '\0' ? name : MemberLoadKindName(kConcentratedMoment);
}

std::string DirectionName(const MemberLoadRecord& load) {
  const std::string name = MemberLoadDirectionName(load.direction);
  return name.empty() ? "" : " " + name;
}

// "   5. 部材 3 分布 全体Y" and the values with their units, on lines of their own.
std::string MemberLoadListText(const MemberLoadRecord& load, int number) {
  std::string text = "   " + FormatInteger(number) + ". 部材 " + FormatInteger(load.memberNo) +
                     " " + KindName(load) + DirectionName(load) + "\r      ";
  const std::string a = "a = " + FormatGeneral15(load.a);
  switch (load.kind) {
    case kDistributedLoad:
      return text + "p1 = " + FormatGeneral15(load.p1) + ", p2 = " + FormatGeneral15(load.p2) +
             " [㎏/㎝]\r      " + a + ", b = " + FormatGeneral15(load.b) + " [㎝]\r";
    case kConcentratedForce:
      return text + "P = " + FormatGeneral15(load.p1) + " [㎏], " + a + " [㎝]\r";
    default:
      return text + "M = " + FormatGeneral15(load.p1) + " [㎏･㎝], " + a + " [㎝]\r";
  }
}

// Draws a load component's numbered symbol from the three records that the load symbol builder
// appended for it. A symbol whose records lie beyond the list's count is not drawn.
void DrawLoadComponent(DrawingSurface& surface, const DrawingList& symbols,
                       const LoadComponent& component, float value, int number) {
  const int first = 3 * (number - 1);
  if (first + 2 >= symbols.count) return;
  const std::span<const LineSegment, 3> records(&symbols.records[static_cast<size_t>(first)], 3);
  PrintSymbolNumber(surface, number, records[0], component.isMoment);
  DrawThreeRecordSymbol(surface, records, component.isMoment, value > 0.0f, kYellow);
}

// "   1. 節点3 Fx = −3000 kg": the node, the sign and the unit of the detailed view's list.
std::string DetailedLoadText(const LoadComponent& component, float value, int number,
                             int16_t node) {
  const char* name = component.isMoment ? " M = " : (&component == &kFx ? " Fx = " : " Fy = ");
  const char* unit = component.isMoment ? " kg･cm" : " kg";
  const std::string magnitude = FormatSingle(std::fabs(value));
  return "   " + FormatInteger(number) + ". 節点" + FormatInteger(node) + name +
         (value < 0.0f ? "−" : "") + magnitude + unit + "\r";
}

}  // namespace

void DrawModelTab(DrawingSurface& surface, const ViewData& data) {
  ClearToTwips(surface);
  DrawMemberLines(surface, data.geometry, 2);
  const int next = ForEachLoadComponent(
      data.model, [&](const LoadComponent& component, float value, int number, int16_t) {
        DrawLoadComponent(surface, data.geometry.loadSymbols, component, value, number);
      });
  const int afterLoads = ForEachMemberLoad(
      data.model, next, [&](const MemberLoadRecord& load, int number, size_t first) {
        DrawMemberLoad(surface, data.geometry.loadSymbols, load, number, first);
      });
  DrawJointConditions(surface, data, afterLoads);
  DrawDetails(surface, data, 0);
}

std::string ModelTabLabel(const ViewData& data) {
  std::string listText = "節点荷重\r";
  const int next = ForEachLoadComponent(
      data.model, [&](const LoadComponent& component, float value, int number, int16_t node) {
        if (data.detailed) {
          listText += DetailedLoadText(component, value, number, node);
          return;
        }
        listText += "   " + FormatInteger(number) + component.listText +
                    FormatSingle(std::fabs(value)) + component.unit + "\r";
      });
  std::string memberLoadText;
  const int afterLoads =
      ForEachMemberLoad(data.model, next, [&](const MemberLoadRecord& load, int number, size_t) {
        memberLoadText += MemberLoadListText(load, number);
      });
  if (!memberLoadText.empty()) listText += "部材荷重\r" + memberLoadText;
  return listText + JointConditionListText(data.model, afterLoads);
}
