#include "results_json.h"

#include <charconv>
#include <cmath>
#include <initializer_list>

#include "analysis/loaded_members.h"
#include "arithmetic/arithmetic_fault.h"
#include "files/atomic_file.h"
#include "text/number_text.h"
#include "messages/run_error.h"
#include "equilibrium_check.h"

namespace {

std::string Number(double value) {
  if (!std::isfinite(value)) {
    throw RunError(RunErrorCause::Arithmetic, "解析結果に有限でない数値があり、JSON に書けません。");
  }
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::string Field(const char* key, const std::string& value) {
  return std::string("\"") + key + "\": " + value;
}

// {"a": 1, "b": 2} on one line.
std::string Object(std::initializer_list<std::string> fields) {
  std::string text = "{";
  for (const std::string& field : fields) {
    if (text.size() > 1) text += ", ";
    text += field;
  }
  return text + "}";
}

// One item a line, indented under its key.
std::string Array(const std::vector<std::string>& items) {
  if (items.empty()) return "[]";
  std::string text = "[\n";
  for (size_t i = 0; i < items.size(); ++i) {
    text += "    " + items[i] + (i + 1 < items.size() ? ",\n" : "\n");
  }
  return text + "  ]";
}

std::string NodeNumber(const Model& model, int16_t nodeIndex) {
  return FormatInteger(model.nodes[static_cast<size_t>(nodeIndex)].nodeNo);
}

std::string Nodes(const Model& model, const std::vector<double>& d) {
  std::vector<std::string> items;
  for (size_t j = 0; j < static_cast<size_t>(model.nodeCount); ++j) {
    items.push_back(Object({Field("node", FormatInteger(model.nodes[j].nodeNo)),
                            Field("u", Number(d[3 * j])), Field("v", Number(d[3 * j + 1])),
                            Field("theta", Number(d[3 * j + 2]))}));
  }
  return Array(items);
}

// The points along one member, one a line under it; M in t·m like the end forces.
std::string Along(const MemberAlong& along) {
  std::string text = "[";
  for (const AlongPoint& point : along.points) {
    text += text.size() > 1 ? ",\n      " : "\n      ";
    text += Object({Field("x", Number(point.station.x)), Field("N", Number(point.axialForce)),
                    Field("Q", Number(point.shearForce)), Field("M", Number(point.moment / 100.0)),
                    Field("dx", Number(point.dx)), Field("dy", Number(point.dy))});
  }
  return text + "\n    ]";
}

// Moments in t·cm as "work2.txt" holds them, shown in t·m like the report. A model with loads
// along members adds each member's points along it.
std::string Members(const Model& model, const AnalysisResult& result) {
  std::vector<std::string> items;
  for (size_t m = 0; m < static_cast<size_t>(model.memberCount); ++m) {
    const MemberRecord& member = model.members[m];
    const double* fe = result.endForces.data() + 6 * m;
    std::string item = Object({Field("member", FormatInteger(member.memberNo)),
                               Field("node1", FormatInteger(member.node1No)),
                               Field("node2", FormatInteger(member.node2No)),
                               Field("N1", Number(fe[0])), Field("Q1", Number(fe[1])),
                               Field("M1", Number(fe[2] / 100.0)), Field("N2", Number(fe[3])),
                               Field("Q2", Number(fe[4])), Field("M2", Number(fe[5] / 100.0))});
    if (!result.alongMembers.empty()) {
      item.pop_back();
      item += ", " + Field("along", Along(result.alongMembers[m])) + "}";
    }
    items.push_back(item);
  }
  return Array(items);
}

// One object a record of a model table, as `format` writes it.
template <typename Record, typename Format>
std::string RecordArray(const std::vector<Record>& table, Format format) {
  std::vector<std::string> items;
  for (const Record& record : table) items.push_back(format(record));
  return Array(items);
}

// The records of the optional tables as the file gives them (MEMBERLOADS in kg/cm, kg, kg·cm and
// cm; SPRINGS in kg/cm and kg·cm/rad; SETTLEMENTS in cm and rad), an array for each table that
// has records, each followed by the separator to the next key.
std::string OptionalTables(const Model& model) {
  std::string text;
  const auto add = [&](const char* key, const auto& table, auto format) {
    if (!table.empty()) text += Field(key, RecordArray(table, format)) + ",\n  ";
  };
  add("memberLoads", model.memberLoads, [](const MemberLoadRecord& load) {
    return Object(
        {Field("member", FormatInteger(load.memberNo)), Field("kind", FormatInteger(load.kind)),
         Field("direction", FormatInteger(load.direction)), Field("p1", Number(load.p1)),
         Field("p2", Number(load.p2)), Field("a", Number(load.a)), Field("b", Number(load.b))});
  });
  add("hinges", model.hinges, [](const HingeRecord& hinge) {
    return Object({Field("member", FormatInteger(hinge.memberNo)),
                   Field("end1", FormatInteger(hinge.release1)),
                   Field("end2", FormatInteger(hinge.release2))});
  });
  add("springs", model.springs, [](const SpringRecord& spring) {
    return Object({Field("node", FormatInteger(spring.nodeNo)), Field("kx", Number(spring.kx)),
                   Field("ky", Number(spring.ky)), Field("ktheta", Number(spring.kTheta))});
  });
  add("settlements", model.settlements, [](const SettlementRecord& settlement) {
    return Object({Field("node", FormatInteger(settlement.nodeNo)),
                   Field("u", Number(settlement.u)), Field("v", Number(settlement.v)),
                   Field("theta", Number(settlement.theta))});
  });
  return text;
}

std::string Reactions(const Model& model, const std::vector<SupportReaction>& reactions) {
  std::vector<std::string> items;
  for (const SupportReaction& reaction : reactions) {
    const auto component = [&](size_t c) {
      return reaction.Holds(c) ? Number(reaction.force[c]) : std::string("null");
    };
    items.push_back(Object({Field("node", NodeNumber(model, reaction.nodeIndex)),
                            Field("Rx", component(0)), Field("Ry", component(1)),
                            Field("M", component(2))}));
  }
  return Array(items);
}

// `value` in the report's units: cm, t·m or t. With loads along members the place says where
// along its member it lies, and names no node when that is not an end.
std::string Maximum(const Model& model, const MaximumPlace& place, double value) {
  const bool found = place.memberIndex >= 0;
  const std::string member =
      found ? FormatInteger(model.members[static_cast<size_t>(place.memberIndex)].memberNo)
            : "null";
  if (!HasMemberLoads(model)) {
    return Object({Field("value", Number(value)), Field("member", member),
                   Field("node", found ? NodeNumber(model, place.nodeIndex) : "null")});
  }
  const bool atEnd = found && place.nodeIndex >= 0;
  return Object({Field("value", Number(value)), Field("member", member),
                 Field("node", atEnd ? NodeNumber(model, place.nodeIndex) : "null"),
                 Field("x", found ? Number(place.x) : "null")});
}

// The moment is kept in t·cm and shown in t·m, like the report.
std::string Maxima(const Model& model, const ResultMaxima& maxima) {
  return "{\n    " +
         Field("displacement", Maximum(model, maxima.displacement, maxima.displacement.value)) +
         ",\n    " + Field("moment", Maximum(model, maxima.moment, maxima.moment.value / 100.0)) +
         ",\n    " + Field("shear", Maximum(model, maxima.shear, maxima.shear.value)) +
         ",\n    " + Field("axial", Maximum(model, maxima.axial, maxima.axial.value)) + "\n  }";
}

EquilibriumResidual Equilibrium(const Model& model, const AnalysisResult& result) {
  try {
    return SumLoadsAndReactions(model, AppliedNodeLoads(model), result.reactions);
  } catch (const ArithmeticFault& fault) {
    throw RunError(RunErrorCause::Arithmetic, std::string("支点反力と釣合いの計算で") +
                                                  FaultKindText(fault.kind) + "が発生しました。");
  }
}

}  // namespace

std::string ResultsJson(const Model& model, const AnalysisResult& result) {
  const EquilibriumResidual sum = Equilibrium(model, result);
  return "{\n  " + Field("nodes", Nodes(model, result.displacements)) + ",\n  " +
         Field("members", Members(model, result)) + ",\n  " + OptionalTables(model) +
         Field("reactions", Reactions(model, result.reactions)) + ",\n  " +
         Field("maxima", Maxima(model, result.maxima)) + ",\n  " +
         Field("equilibrium", Object({Field("Fx", Number(sum.fx)), Field("Fy", Number(sum.fy)),
                                      Field("M", Number(sum.moment))})) +
         "\n}\n";
}

void WriteResultsFile(const std::string& path, const Model& model, const AnalysisResult& result) {
  WriteWholeFile(path, ResultsJson(model, result));
}
