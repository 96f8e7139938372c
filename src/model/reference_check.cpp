#include "reference_check.h"

#include <algorithm>
#include <string>
#include <vector>

#include "basics/message_sink.h"
#include "basics/number_text.h"
#include "model_store.h"

namespace {

// Records in use: positions 0 .. count - 1, never beyond the table.
template <typename Record>
size_t InUse(const std::vector<Record>& table, int32_t count) {
  return std::min(static_cast<size_t>(std::max(count, 0)), table.size());
}

// Position of the first record in use whose user number equals `number`, or -1. Duplicate user
// numbers therefore always resolve to the earlier record.
template <typename Record>
int16_t FindPosition(const std::vector<Record>& table, int32_t count, int16_t Record::*numberField,
                     int16_t number) {
  for (size_t i = 0; i < InUse(table, count); ++i) {
    if (table[i].*numberField == number) return static_cast<int16_t>(i);
  }
  return -1;
}

int16_t FindNode(int16_t nodeNo) {
  return FindPosition(modelStore.nodes, modelStore.nodeCount, &NodeRecord::nodeNo, nodeNo);
}

bool ResolveMembers() {
  for (size_t i = 0; i < InUse(modelStore.members, modelStore.memberCount); ++i) {
    MemberRecord& member = modelStore.members[i];
    // A member whose nodes do not resolve is left with no section either.
    member.sectionIndex = -1;
    member.node1Index = FindNode(member.node1No);
    member.node2Index = FindNode(member.node2No);
    if (member.node1Index == -1 || member.node2Index == -1) {
      ShowMessage("部材データ定義において指定された節点データがありません。部材No＝" +
                  FormatInteger(member.memberNo));
      return false;
    }
    member.sectionIndex = FindPosition(modelStore.sections, modelStore.sectionCount,
                                       &SectionRecord::sectionNo, member.sectionNo);
    if (member.sectionIndex == -1) {
      ShowMessage("部材データ定義において指定された特性データがありません。部材No＝" +
                  FormatInteger(member.memberNo));
      return false;
    }
  }
  return true;
}

// Loads and supports each name one node; the first that names none stops the check.
template <typename Record>
bool ResolveNodeReferences(std::vector<Record>& table, int32_t count, const char* message) {
  for (size_t i = 0; i < InUse(table, count); ++i) {
    Record& record = table[i];
    record.nodeIndex = FindNode(record.nodeNo);
    if (record.nodeIndex == -1) {
      ShowMessage(message);
      return false;
    }
  }
  return true;
}

}  // namespace

bool CheckModelReferences() {
  return ResolveMembers() &&
         ResolveNodeReferences(modelStore.loads, modelStore.loadCount,
                               "負荷データ定義において指定された特性データがありません。") &&
         ResolveNodeReferences(modelStore.supports, modelStore.supportCount,
                               "境界データ定義において指定された特性データがありません。");
}
