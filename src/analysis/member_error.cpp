#include "member_error.h"

#include <string>

#include "text/number_text.h"

RunError MemberFaultError(std::string_view step, const MemberRecord& member, ArithmeticFault fault) {
  std::string message(step);
  message += "で";
  message += FaultKindText(fault.kind);
  message += "が発生しました。部材No＝";
  message += FormatInteger(member.memberNo);
  return RunError(RunErrorCause::Arithmetic, message);
}

RunError ZeroLengthMemberError(const MemberRecord& member) {
  return RunError(RunErrorCause::ZeroLengthMember,
                  "部材の長さが 0 です（両端の節点が同じ位置にあります）。部材No＝" +
                      FormatInteger(member.memberNo));
}
