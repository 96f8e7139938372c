#include "reference_check.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "messages/message_sink.h"
#include "model_file_failure.h"
#include "model_file_messages.h"
#include "model.h"

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

int16_t FindNode(const Model& model, int16_t nodeNo) {
  return FindPosition(model.nodes, model.nodeCount, &NodeRecord::nodeNo, nodeNo);
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

std::optional<ReferenceFailure> ResolveMembers(Model& model) {
  for (size_t i = 0; i < InUse(model.members, model.memberCount); ++i) {
    MemberRecord& member = model.members[i];
    // A member whose nodes do not resolve is left with no section either.
    member.sectionIndex = -1;
    member.node1Index = FindNode(model, member.node1No);
    member.node2Index = FindNode(model, member.node2No);
    ReferenceFailure failure = FailureAt(ModelTable::Members, i, model.memberLines);
    failure.memberNo = member.memberNo;
    if (member.node1Index == -1) AddMissing(failure, 1, member.node1No);
    if (member.node2Index == -1) AddMissing(failure, 2, member.node2No);
    if (failure.missingCount > 0) return failure;
    member.sectionIndex = FindPosition(model.sections, model.sectionCount,
                                       &SectionRecord::sectionNo, member.sectionNo);
    if (member.sectionIndex == -1) {
      AddMissing(failure, 3, member.sectionNo);
      return failure;
    }
  }
  return std::nullopt;
}

// Loads, supports, springs and settlements each name one node; the first that names none stops
// the check.
template <typename Record>
std::optional<ReferenceFailure> ResolveNodeReferences(const Model& model, ModelTable name,
                                                      std::vector<Record>& table, int32_t count,
                                                      const std::vector<int64_t>& lines) {
  for (size_t i = 0; i < InUse(table, count); ++i) {
    Record& record = table[i];
    record.nodeIndex = FindNode(model, record.nodeNo);
    if (record.nodeIndex == -1) {
      ReferenceFailure failure = FailureAt(name, i, lines);
      AddMissing(failure, 0, record.nodeNo);
      return failure;
    }
  }
  return std::nullopt;
}

// Loads along members and hinges each name one member; the first that names none stops the
// check.
template <typename Record>
std::optional<ReferenceFailure> ResolveMemberReferences(const Model& model, ModelTable name,
                                                        std::vector<Record>& table,
                                                        const std::vector<int64_t>& lines) {
  for (size_t i = 0; i < table.size(); ++i) {
    Record& record = table[i];
    record.memberIndex = FindPosition(model.members, model.memberCount, &MemberRecord::memberNo,
                                      record.memberNo);
    if (record.memberIndex == -1) {
      ReferenceFailure failure = FailureAt(name, i, lines);
      AddMissing(failure, 0, record.memberNo);
      return failure;
    }
  }
  return std::nullopt;
}

std::optional<ReferenceFailure> ResolveReferences(Model& model) {
  if (auto failure = ResolveMembers(model)) return failure;
  if (auto failure = ResolveNodeReferences(model, ModelTable::Loads, model.loads,
                                           model.loadCount, model.loadLines)) {
    return failure;
  }
  if (auto failure = ResolveNodeReferences(model, ModelTable::Supports, model.supports,
                                           model.supportCount, model.supportLines)) {
    return failure;
  }
  if (auto failure = ResolveMemberReferences(model, ModelTable::MemberLoads, model.memberLoads,
                                             model.memberLoadLines)) {
    return failure;
  }
  if (auto failure =
          ResolveMemberReferences(model, ModelTable::Hinges, model.hinges, model.hingeLines)) {
    return failure;
  }
  if (auto failure = ResolveNodeReferences(model, ModelTable::Springs, model.springs,
                                           static_cast<int32_t>(model.springs.size()),
                                           model.springLines)) {
    return failure;
  }
  return ResolveNodeReferences(model, ModelTable::Settlements, model.settlements,
                               static_cast<int32_t>(model.settlements.size()),
                               model.settlementLines);
}

}  // namespace

bool CheckModelReferences(Model& model) {
  const std::optional<ReferenceFailure> failure = ResolveReferences(model);
  if (failure) ShowMessage(ReferenceFailureMessage(*failure));
  return !failure;
}
