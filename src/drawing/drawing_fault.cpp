#include "drawing_fault.h"

#include <string>

#include "text/number_text.h"

RunError DrawingFaultError(const Model& model, std::string_view viewName, FaultKind kind,
                           int32_t memberPosition) {
  std::string message = std::string(viewName) + "の作図で" + FaultKindText(kind) + "が起きました";
  if (memberPosition >= 0 && memberPosition < model.memberCount) {
    message += "（部材 " +
               FormatInteger(model.members[static_cast<size_t>(memberPosition)].memberNo) +
               "）";
  }
  return RunError(RunErrorCause::Arithmetic, message + "。");
}
