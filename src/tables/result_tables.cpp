#include "result_tables.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "analysis/loaded_members.h"
#include "text/number_text.h"

namespace {

std::string Label(long userNumber) { return FormatInteger(userNumber); }

// A model value as the model tab lists it: the file's value in at most 15 significant digits.
std::string Given(double value) { return FormatGeneral15(value); }

ResultTable NodeDisplacements(const Model& model, const AnalysisResult& result) {
  ResultTable table{"節点変位", {"節点", "u [㎝]", "v [㎝]", "θ [rad]"}, {}};
  table.rows.reserve(static_cast<size_t>(model.nodeCount));
  const std::vector<double>& d = result.displacements;
  for (size_t j = 0; j < static_cast<size_t>(model.nodeCount); ++j) {
    table.rows.push_back({Label(model.nodes[j].nodeNo), FormatTableNumber(d[3 * j]),
                          FormatTableNumber(d[3 * j + 1]), FormatTableNumber(d[3 * j + 2])});
  }
  return table;
}

// End forces as "work2.txt" holds them, moments turned from t·cm into t·m as in the results JSON.
// With loads along members, the largest moment along each loaded member and where it lies.
ResultTable MemberEndForces(const Model& model, const AnalysisResult& result) {
  ResultTable table{
      "部材端力",
      {"部材", "節点1", "節点2", "N1 [t]", "Q1 [t]", "M1 [t･m]", "N2 [t]", "Q2 [t]", "M2 [t･m]"},
      {}};
  const bool along = HasMemberLoads(model) && !result.alongMembers.empty();
  if (along) {
    table.headings.push_back("M最大 [t･m]");
    table.headings.push_back("M最大の x [㎝]");
  }
  table.rows.reserve(static_cast<size_t>(model.memberCount));
  for (size_t m = 0; m < static_cast<size_t>(model.memberCount); ++m) {
    const MemberRecord& member = model.members[m];
    const double* fe = result.endForces.data() + 6 * m;
    std::vector<std::string> row{
        Label(member.memberNo),   Label(member.node1No),    Label(member.node2No),
        FormatTableNumber(fe[0]), FormatTableNumber(fe[1]), FormatTableNumber(fe[2] / 100.0),
        FormatTableNumber(fe[3]), FormatTableNumber(fe[4]), FormatTableNumber(fe[5] / 100.0)};
    if (along) {
      const auto& extremes = result.alongMembers[m].extremes;
      row.push_back(extremes ? FormatTableNumber(extremes->moment.value / 100.0) : "");
      row.push_back(extremes ? FormatTableNumber(extremes->moment.place.x) : "");
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

ResultTable SupportReactions(const Model& model, const AnalysisResult& result) {
  ResultTable table{"支点反力", {"節点", "Rx [t]", "Ry [t]", "M [t･m]"}, {}};
  for (const SupportReaction& reaction : result.reactions) {
    std::vector<std::string> row{
        Label(model.nodes[static_cast<size_t>(reaction.nodeIndex)].nodeNo)};
    for (size_t c = 0; c < 3; ++c) {
      row.push_back(reaction.Holds(c) ? FormatTableNumber(reaction.force[c]) : "");
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

// The MEMBERLOADS records as the file gives them; p1's unit depends on the kind, so it has a
// column of its own, and what a kind does not use is empty.
ResultTable MemberLoads(const Model& model) {
  ResultTable table{
      "部材荷重", {"部材", "種類", "方向", "p1", "p2", "単位", "a [㎝]", "b [㎝]"}, {}};
  for (const MemberLoadRecord& load : model.memberLoads) {
    const bool distributed = load.kind == kDistributedLoad;
    const char* unit = distributed ? "㎏/㎝" : load.kind == kConcentratedForce ? "㎏" : "㎏･㎝";
    table.rows.push_back({Label(load.memberNo), MemberLoadKindName(load.kind),
                          MemberLoadDirectionName(load.direction),
                          Given(load.p1), distributed ? Given(load.p2) : "", unit, Given(load.a),
                          distributed ? Given(load.b) : ""});
  }
  return table;
}

ResultTable Hinges(const Model& model) {
  ResultTable table{"ヒンジ", {"部材", "節点1側", "節点2側"}, {}};
  const auto end = [](int16_t release) { return release != 0 ? "ピン" : "剛"; };
  for (const HingeRecord& hinge : model.hinges) {
    table.rows.push_back({Label(hinge.memberNo), end(hinge.release1), end(hinge.release2)});
  }
  return table;
}

ResultTable Springs(const Model& model) {
  ResultTable table{"ばね支点", {"節点", "kx [㎏/㎝]", "ky [㎏/㎝]", "kθ [㎏･㎝/rad]"}, {}};
  for (const SpringRecord& spring : model.springs) {
    table.rows.push_back(
        {Label(spring.nodeNo), Given(spring.kx), Given(spring.ky), Given(spring.kTheta)});
  }
  return table;
}

ResultTable Settlements(const Model& model) {
  ResultTable table{"支点変位", {"節点", "u [㎝]", "v [㎝]", "θ [rad]"}, {}};
  for (const SettlementRecord& settlement : model.settlements) {
    table.rows.push_back({Label(settlement.nodeNo), Given(settlement.u), Given(settlement.v),
                          Given(settlement.theta)});
  }
  return table;
}

}  // namespace

std::vector<ResultTable> RunTables(const Model& model, const AnalysisResult& result) {
  std::vector<ResultTable> tables;
  tables.push_back(NodeDisplacements(model, result));
  tables.push_back(MemberEndForces(model, result));
  tables.push_back(SupportReactions(model, result));
  return tables;
}

std::vector<ResultTable> KeywordTables(const Model& model) {
  std::vector<ResultTable> tables;
  if (!model.memberLoads.empty()) tables.push_back(MemberLoads(model));
  if (!model.hinges.empty()) tables.push_back(Hinges(model));
  if (!model.springs.empty()) tables.push_back(Springs(model));
  if (!model.settlements.empty()) tables.push_back(Settlements(model));
  return tables;
}

std::vector<ResultTable> ResultTables(const Model& model, const AnalysisResult* result) {
  std::vector<ResultTable> tables;
  if (result != nullptr) tables = RunTables(model, *result);
  for (ResultTable& table : KeywordTables(model)) tables.push_back(std::move(table));
  return tables;
}

// The exponent is read from the rounded scientific text, so that 999999.7, which rounds to
// 1.00000e+06, takes the same form as a million. std::to_chars keeps the point a point whatever
// the locale the window runs in.
std::string FormatTableNumber(double value) {
  if (value == 0.0) return "0";
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0.0 ? "-inf" : "inf";
  char text[64];
  auto written =
      std::to_chars(text, text + sizeof text - 1, value, std::chars_format::scientific, 5);
  *written.ptr = '\0';
  const int exponent = std::atoi(std::strchr(text, 'e') + 1);
  if (exponent < -5 || exponent > 5) return std::string(text, written.ptr);
  written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 5 - exponent);
  return std::string(text, written.ptr);
}
