#include "support/model_builder.h"

#include <vector>

namespace {

template <typename Record>
std::vector<Record> WithSpare(std::vector<Record> table) {
  table.emplace_back();
  return table;
}

}  // namespace

ModelBuilder& ModelBuilder::Node(int16_t nodeNo, float x, float y) {
  model_.nodes.push_back({nodeNo, x, y});
  return *this;
}

ModelBuilder& ModelBuilder::Section(int16_t sectionNo, float area, float inertia,
                                    float youngModulus) {
  model_.sections.push_back({sectionNo, area, inertia, youngModulus});
  return *this;
}

ModelBuilder& ModelBuilder::Member(int16_t memberNo, int16_t node1Index, int16_t node2Index,
                                   int16_t sectionIndex) {
  MemberRecord member;
  member.memberNo = memberNo;
  member.node1No = model_.nodes.at(static_cast<size_t>(node1Index)).nodeNo;
  member.node2No = model_.nodes.at(static_cast<size_t>(node2Index)).nodeNo;
  member.sectionNo = model_.sections.at(static_cast<size_t>(sectionIndex)).sectionNo;
  member.node1Index = node1Index;
  member.node2Index = node2Index;
  member.sectionIndex = sectionIndex;
  model_.members.push_back(member);
  return *this;
}

ModelBuilder& ModelBuilder::Load(int16_t nodeIndex, float fx, float fy, float moment) {
  model_.loads.push_back(
      {model_.nodes.at(static_cast<size_t>(nodeIndex)).nodeNo, fx, fy, moment, nodeIndex});
  return *this;
}

ModelBuilder& ModelBuilder::Support(int16_t nodeIndex, int16_t fixU, int16_t fixV,
                                    int16_t fixTheta) {
  model_.supports.push_back(
      {model_.nodes.at(static_cast<size_t>(nodeIndex)).nodeNo, fixU, fixV, fixTheta, nodeIndex});
  return *this;
}

ModelBuilder& ModelBuilder::MemberLoad(int16_t memberIndex, int16_t kind, int16_t direction,
                                       double p1, double p2, double a, double b) {
  const int16_t memberNo = model_.members.at(static_cast<size_t>(memberIndex)).memberNo;
  model_.memberLoads.push_back({memberNo, kind, direction, p1, p2, a, b, memberIndex});
  return *this;
}

ModelBuilder& ModelBuilder::Hinge(int16_t memberIndex, int16_t release1, int16_t release2) {
  const int16_t memberNo = model_.members.at(static_cast<size_t>(memberIndex)).memberNo;
  model_.hinges.push_back({memberNo, release1, release2, memberIndex});
  return *this;
}

ModelBuilder& ModelBuilder::Spring(int16_t nodeIndex, double kx, double ky, double kTheta) {
  const int16_t nodeNo = model_.nodes.at(static_cast<size_t>(nodeIndex)).nodeNo;
  model_.springs.push_back({nodeNo, kx, ky, kTheta, nodeIndex});
  return *this;
}

ModelBuilder& ModelBuilder::Settlement(int16_t nodeIndex, double u, double v, double theta) {
  const int16_t nodeNo = model_.nodes.at(static_cast<size_t>(nodeIndex)).nodeNo;
  model_.settlements.push_back({nodeNo, u, v, theta, nodeIndex});
  return *this;
}

Model ModelBuilder::Build(const std::string& modelPath) const {
  Model store;
  store.modelPath = modelPath;
  store.nodeCount = static_cast<int32_t>(model_.nodes.size());
  store.sectionCount = static_cast<int32_t>(model_.sections.size());
  store.memberCount = static_cast<int32_t>(model_.members.size());
  store.loadCount = static_cast<int32_t>(model_.loads.size());
  store.supportCount = static_cast<int16_t>(model_.supports.size());
  store.nodes = WithSpare(model_.nodes);
  store.sections = WithSpare(model_.sections);
  store.members = WithSpare(model_.members);
  store.loads = WithSpare(model_.loads);
  store.supports = WithSpare(model_.supports);
  store.memberLoads = model_.memberLoads;
  store.memberLoadLines.assign(model_.memberLoads.size(), 0);
  store.hinges = model_.hinges;
  store.hingeLines.assign(model_.hinges.size(), 0);
  store.springs = model_.springs;
  store.springLines.assign(model_.springs.size(), 0);
  store.settlements = model_.settlements;
  store.settlementLines.assign(model_.settlements.size(), 0);
  return store;
}
