#include "write_results_report.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "analysis/loaded_members.h"
#include "files/text_file.h"
#include "model/model.h"
#include "report_path.h"
#include "text/number_text.h"

namespace {

// The fields of one report line, joined by a comma and a TAB, without padding.
std::string JoinFields(std::initializer_list<std::string> fields) {
  std::string line;
  for (const std::string& field : fields) {
    if (!line.empty()) line += ",\t";
    line += field;
  }
  return line;
}

// A section starts after one empty line with its title and its column headings.
void AddSection(std::vector<std::string>& lines, const char* title,
                std::initializer_list<std::string> headings) {
  lines.emplace_back();
  lines.emplace_back(title);
  lines.push_back(JoinFields(headings));
}

// One line per record in use of a model table, in table order.
template <typename Record, typename FormatRecord>
void AddRecords(std::vector<std::string>& lines, const std::vector<Record>& table, int32_t count,
                FormatRecord formatRecord) {
  for (size_t i = 0; i < static_cast<size_t>(count); ++i) lines.push_back(formatRecord(table[i]));
}

// One line per record of an optional table, which holds its records only.
template <typename Record, typename FormatRecord>
void AddRecords(std::vector<std::string>& lines, const std::vector<Record>& table,
                FormatRecord formatRecord) {
  for (const Record& record : table) lines.push_back(formatRecord(record));
}

// The MEMBERLOADS records as the file gives them; p1 is a force (kg) for a concentrated load and
// a moment (kg·cm) for a concentrated moment, which the last heading says.
void AddMemberLoadSection(std::vector<std::string>& lines, const Model& model) {
  AddSection(lines, "■ 部 材 荷 重 ■",
             {"部材No.", "種類", "方向", "p1[㎏/㎝]", "p2[㎏/㎝]", "a[㎝]",
              "b[㎝]  (種類 1:分布,2:集中[㎏],3:モーメント[㎏･㎝])"});
  AddRecords(lines, model.memberLoads, [](const MemberLoadRecord& load) {
    return JoinFields({FormatInteger(load.memberNo), FormatInteger(load.kind),
                       FormatInteger(load.direction), FormatGeneral15(load.p1),
                       FormatGeneral15(load.p2), FormatGeneral15(load.a), FormatGeneral15(load.b)});
  });
}

// The HINGES, SPRINGS and SETTLEMENTS records as the file gives them, each table in a section of
// its own when it has records: the releases as the supports' flags are shown, the stiffnesses and
// the prescribed displacements in the file's units.
void AddJointConditionSections(std::vector<std::string>& lines, const Model& model) {
  if (!model.hinges.empty()) {
    AddSection(lines, "■ ヒ ン ジ ■", {"部材No.", "端1", "端2  (0:剛接,1:ピン)"});
    AddRecords(lines, model.hinges, [](const HingeRecord& hinge) {
      return JoinFields({FormatInteger(hinge.memberNo), FormatInteger(hinge.release1),
                         FormatInteger(hinge.release2)});
    });
  }
  if (!model.springs.empty()) {
    AddSection(lines, "■ ば ね 支 点 ■", {"節点", "kx[㎏/㎝]", "ky[㎏/㎝]", "kθ[㎏･㎝/rad]"});
    AddRecords(lines, model.springs, [](const SpringRecord& spring) {
      return JoinFields({FormatInteger(spring.nodeNo), FormatGeneral15(spring.kx),
                         FormatGeneral15(spring.ky), FormatGeneral15(spring.kTheta)});
    });
  }
  if (!model.settlements.empty()) {
    AddSection(lines, "■ 支 点 変 位 ■", {"節点", "u[㎝]", "v[㎝]", "θ[rad.]"});
    AddRecords(lines, model.settlements, [](const SettlementRecord& settlement) {
      return JoinFields({FormatInteger(settlement.nodeNo), FormatGeneral15(settlement.u),
                         FormatGeneral15(settlement.v), FormatGeneral15(settlement.theta)});
    });
  }
}

void AddModelSections(std::vector<std::string>& lines, const Model& model) {
  AddSection(lines, "■ 節 点 座 標 ■", {"節点No.", "x[㎝]", "y[cm]"});
  AddRecords(lines, model.nodes, model.nodeCount, [](const NodeRecord& node) {
    return JoinFields({FormatInteger(node.nodeNo), FormatSingle(node.x), FormatSingle(node.y)});
  });
  AddSection(lines, "■ 断 面 特 性 ■",
             {"断面特性No.", "断面積[㎝2]", "断面二次[㎝4]", "ヤング係数[㎏/㎝2]"});
  AddRecords(lines, model.sections, model.sectionCount, [](const SectionRecord& section) {
    return JoinFields({FormatInteger(section.sectionNo), FormatSingle(section.area),
                       FormatSingle(section.inertia), FormatSingle(section.youngModulus)});
  });
  AddSection(lines, "■ 部 材 ■", {"部材No.", "節点1", "節点2", "断面特性"});
  AddRecords(lines, model.members, model.memberCount, [](const MemberRecord& member) {
    return JoinFields({FormatInteger(member.memberNo), FormatInteger(member.node1No),
                       FormatInteger(member.node2No), FormatInteger(member.sectionNo)});
  });
  AddSection(lines, "■ 節 点 荷 重 ■", {"節点", "Fx[㎏]", "Fy[㎏]", "M[㎏･㎝]"});
  AddRecords(lines, model.loads, model.loadCount, [](const NodalLoadRecord& load) {
    return JoinFields({FormatInteger(load.nodeNo), FormatSingle(load.fx), FormatSingle(load.fy),
                       FormatSingle(load.moment)});
  });
  AddSection(lines, "■ 境 界 条 件 ■", {"節点", "u", "v", "θ  (0:自由,1:拘束)"});
  AddRecords(lines, model.supports, model.supportCount, [](const SupportRecord& support) {
    return JoinFields({FormatInteger(support.nodeNo), FormatInteger(support.fixU),
                       FormatInteger(support.fixV), FormatInteger(support.fixTheta)});
  });
  if (HasMemberLoads(model)) AddMemberLoadSection(lines, model);
  AddJointConditionSections(lines, model);
}

// Displacements in cm, cm and rad, one line per node in table order.
void AddDisplacements(std::vector<std::string>& lines, const Model& model,
                      const std::vector<double>& displacements) {
  AddSection(lines, "＝ 変 位 ＝", {"節点No.", "変位u[㎝]", "変位v[㎝]", "回転変位θ[rad.]"});
  const auto dofCount = 3 * static_cast<size_t>(model.nodeCount);
  for (size_t i = 0; i < dofCount; i += 3) {
    lines.push_back(JoinFields({FormatInteger(model.nodes[i / 3].nodeNo),
                                FormatFixed5(displacements[i]), FormatFixed5(displacements[i + 1]),
                                FormatFixed5(displacements[i + 2])}));
  }
}

// "work2.txt" holds moments in t·cm; the report shows t·m.
void AddMemberForces(std::vector<std::string>& lines, const Model& model,
                     const std::vector<double>& endForces) {
  AddSection(lines, "＝ 部 材 応 力 ＝",
             {"部材No.", "節点1No.", "節点2No.", "N1[t]", "Q1[t]", "M1[t･m]", "N2[t]", "Q2[t]",
              "M2[t･m]"});
  for (size_t m = 0; m < static_cast<size_t>(model.memberCount); ++m) {
    const MemberRecord& member = model.members[m];
    const double* fe = endForces.data() + 6 * m;
    lines.push_back(JoinFields({FormatInteger(member.memberNo), FormatInteger(member.node1No),
                                FormatInteger(member.node2No), FormatFixed5(fe[0]),
                                FormatFixed5(fe[1]), FormatFixed5(fe[2] / 100.0),
                                FormatFixed5(fe[3]), FormatFixed5(fe[4]),
                                FormatFixed5(fe[5] / 100.0)}));
  }
}

void AddMaxima(std::vector<std::string>& lines, const ResultMaxima& maxima) {
  AddSection(lines, "＝ 解 析 最 大 値 ＝", {"δ[㎝]", "M[t･m]", "Q[t]", "N[t]"});
  lines.push_back(JoinFields({FormatFixed5(maxima.displacement.value),
                              FormatFixed5(maxima.moment.value / 100.0),
                              FormatFixed5(maxima.shear.value), FormatFixed5(maxima.axial.value)}));
}

}  // namespace

// Everything the report needs is gathered before the file is opened, so a failure leaves an
// earlier report of the model as it was.
void WriteResultsReport(const Model& model, const AnalysisResult& result) {
  const std::string reportPath = ReportPath(model.modelPath);
  std::vector<std::string> lines{"有限要素法による構造解析"};
  AddModelSections(lines, model);
  AddDisplacements(lines, model, result.displacements);
  AddMemberForces(lines, model, result.endForces);
  AddMaxima(lines, result.maxima);
  TextFileWriter report(reportPath);
  for (const std::string& line : lines) report.WriteLine(line);
  report.Close();
}
