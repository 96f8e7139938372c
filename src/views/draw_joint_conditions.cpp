#include "views/draw_joint_conditions.h"

#include <algorithm>
#include <cstdlib>
#include <numbers>
#include <span>
#include <string>
#include <tuple>
#include <utility>

#include "drawing/joint_symbols.h"
#include "text/number_text.h"
#include "views/numbered_symbols.h"
#include "views/stored_lines.h"

namespace {

// The list names the node between the number and the component.
constexpr NumberedComponent kU{"u = ", " [㎝]", false};
constexpr NumberedComponent kV{"v = ", " [㎝]", false};
constexpr NumberedComponent kTheta{"θ = ", " [rad]", true};

// Calls visit(settlement, component, value, number) for every non-zero u, v, θ of the settlements
// in table order, numbered on from `firstNumber` as their symbols are.
template <typename Visit>
void ForEachSettlementComponent(const Model& model, int firstNumber, Visit visit) {
  int number = firstNumber;
  for (const SettlementRecord& settlement : model.settlements) {
    for (const auto& [component, value] :
         {std::pair{&kU, settlement.u}, std::pair{&kV, settlement.v},
          std::pair{&kTheta, settlement.theta}}) {
      if (value != 0.0) visit(settlement, *component, value, number++);
    }
  }
}

// `count` records of the list from `first` on, or none where they would reach beyond its count.
std::span<const LineSegment> Records(const DrawingList& symbols, size_t first, size_t count) {
  const auto inUse = symbols.InUse();
  if (first + count > inUse.size()) return {};
  return inUse.subspan(first, count);
}

}  // namespace

void DrawJointConditions(DrawingSurface& surface, const ViewData& data, int firstNumber) {
  const DrawingList& symbols = data.geometry.jointSymbols;
  const float height = surface.Height();
  size_t record = 0;
  for (const HingeRecord& hinge : data.model.hinges) {
    for (const LineSegment& circle : Records(symbols, record, HingeCircles(hinge))) {
      surface.Arc(circle.X1, height - static_cast<float>(circle.Y1),
                  static_cast<float>(std::abs(circle.X2)), kBlack, 0.0, 2.0 * std::numbers::pi);
    }
    record += static_cast<size_t>(HingeCircles(hinge));
  }
  for (const SpringRecord& spring : data.model.springs) {
    const auto count = static_cast<size_t>(SpringSymbolRecords(spring));
    for (const LineSegment& line : Records(symbols, record, count)) {
      DrawStoredLine(surface, line, kBlue);
    }
    record += count;
  }
  ForEachSettlementComponent(
      data.model, firstNumber,
      [&](const SettlementRecord&, const NumberedComponent& component, double value, int number) {
        const std::span<const LineSegment> lines = Records(symbols, record, kSettlementRecords);
        record += kSettlementRecords;
        if (lines.empty()) return;
        PrintSymbolNumber(surface, number, lines[0], component.isMoment);
        DrawThreeRecordSymbol(surface, lines.first<3>(), component.isMoment, value > 0.0, kRed);
      });
}

std::string JointConditionListText(const Model& model, int firstNumber) {
  std::string hinges;
  for (const HingeRecord& hinge : model.hinges) {
    if (HingeCircles(hinge) == 0) continue;
    const char* ends = hinge.release1 == 0 ? "端2" : hinge.release2 == 0 ? "端1" : "端1, 端2";
    hinges += "   部材 " + FormatInteger(hinge.memberNo) + " " + ends + "\r";
  }
  std::string springs;
  for (const SpringRecord& spring : model.springs) {
    std::string values;
    for (const auto& [name, value, unit] :
         {std::tuple{"kx", spring.kx, " [㎏/㎝]"}, std::tuple{"ky", spring.ky, " [㎏/㎝]"},
          std::tuple{"kθ", spring.kTheta, " [㎏･㎝/rad]"}}) {
      if (value == 0.0) continue;
      values +=
          (values.empty() ? "" : ", ") + std::string(name) + " = " + FormatGeneral15(value) + unit;
    }
    if (!values.empty()) springs += "   節点 " + FormatInteger(spring.nodeNo) + " " + values + "\r";
  }
  std::string settlements;
  ForEachSettlementComponent(model, firstNumber,
                             [&](const SettlementRecord& settlement,
                                 const NumberedComponent& component, double value, int number) {
                               settlements += "   " + FormatInteger(number) + ". 節点 " +
                                              FormatInteger(settlement.nodeNo) + " " +
                                              component.listText + FormatGeneral15(value) +
                                              component.unit + "\r";
                             });
  std::string text;
  if (!hinges.empty()) text += "ヒンジ\r" + hinges;
  if (!springs.empty()) text += "ばね\r" + springs;
  if (!settlements.empty()) text += "支点変位\r" + settlements;
  return text;
}
