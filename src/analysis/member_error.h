// The RunError of a step that failed at one member: the member's user number and what failed,
// so the user can find the member in the model file; and the member loop of those steps, which
// turns an arithmetic fault at a member into that error.
#pragma once

#include <cstddef>
#include <string_view>

#include "arithmetic/arithmetic_fault.h"
#include "messages/run_error.h"
#include "model/model.h"

// `step` says what was being computed, e.g. "部材の剛性の計算".
RunError MemberFaultError(std::string_view step, const MemberRecord& member, ArithmeticFault fault);
RunError ZeroLengthMemberError(const MemberRecord& member);

// Calls `body` on each member in use, in table order; an ArithmeticFault it throws ends the loop
// as MemberFaultError(step, member, fault). A RunError passes through as it is.
template <typename Body>
void ForEachMember(const Model& model, std::string_view step, Body body) {
  for (size_t m = 0; m < static_cast<size_t>(model.memberCount); ++m) {
    const MemberRecord& member = model.members[m];
    try {
      body(member);
    } catch (const ArithmeticFault& fault) {
      throw MemberFaultError(step, member, fault);
    }
  }
}
