#include "reference_check.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "basics/message_sink.h"
#include "model_file_failure.h"
#include "model_file_messages.h"
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

// The failure of record i of a table, at the line the reader found it on.
ReferenceFailure FailureAt(ModelTable table, size_t i, const std::vector<int64_t>& lines) {
  ReferenceFailure failure;
  failure.table = table;
  failure.record = static_cast<int32_t>(i);
  failure.line = i < lines.size() ? lines[i] : 0;
  return failure;
}

void AddMissing(ReferenceFailure& failure, int32_t field, int16_t number) {
  failure.fields[failure.missingCount] = field;
  failure.numbers[failure.missingCount] = number;
  ++failure.missingCount;
}

std::optional<ReferenceFailure> ResolveMembers() {
  for (size_t i = 0; i < InUse(modelStore.members, modelStore.memberCount); ++i) {
    MemberRecord& member = modelStore.members[i];
    // A member whose nodes do not resolve is left with no section either.
    member.sectionIndex = -1;
    member.node1Index = FindNode(member.node1No);
    member.node2Index = FindNode(member.node2No);
    ReferenceFailure failure = FailureAt(ModelTable::Members, i, modelStore.memberLines);
    failure.memberNo = member.memberNo;
    if (member.node1Index == -1) AddMissing(failure, 1, member.node1No);
    if (member.node2Index == -1) AddMissing(failure, 2, member.node2No);
    if (failure.missingCount > 0) return failure;
    member.sectionIndex = FindPosition(modelStore.sections, modelStore.sectionCount,
                                       &SectionRecord::sectionNo, member.sectionNo);
    if (member.sectionIndex == -1) {
      AddMissing(failure, 3, member.sectionNo);
      return failure;
    }
  }
  return std::nullopt;
}

// Loads and supports each name one node; the first that names none stops the check.
template <typename Record>
std::optional<ReferenceFailure> ResolveNodeReferences(ModelTable name, std::vector<Record>& table,
                                                      int32_t count,
                                                      const std::vector<int64_t>& lines) {
  for (size_t i = 0; i < InUse(table, count); ++i) {
    Record& record = table[i];
    record.nodeIndex = FindNode(record.nodeNo);
    if (record.nodeIndex == -1) {
      ReferenceFailure failure = FailureAt(name, i, lines);
      AddMissing(failure, 0, record.nodeNo);
      return failure;
    }
  }
  return std::nullopt;
}

std::optional<ReferenceFailure> ResolveReferences() {
  if (auto failure = ResolveMembers()) return failure;
  if (auto failure = ResolveNodeReferences(ModelTable::Loads, modelStore.loads,
                                           modelStore.loadCount, modelStore.loadLines)) {
    return failure;
  }
  return ResolveNodeReferences(ModelTable::Supports, modelStore.supports, modelStore.supportCount,
                               modelStore.supportLines);
}

}  // namespace

bool CheckModelReferences() {
  const std::optional<ReferenceFailure> failure = ResolveReferences();
  if (failure) ShowMessage(ReferenceFailureMessage(*failure));
  return !failure;
}
