// The RunError of a step that failed at one member: the member's user number and what failed,
// so the user can find the member in the model file.
#pragma once

#include <string_view>

#include "basics/arithmetic_fault.h"
#include "basics/run_error.h"
#include "model/model_store.h"

// `step` says what was being computed, e.g. "部材の剛性の計算".
RunError MemberFaultError(std::string_view step, const MemberRecord& member, ArithmeticFault fault);
RunError ZeroLengthMemberError(const MemberRecord& member);
