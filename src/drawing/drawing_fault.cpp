#include "drawing_fault.h"

#include <string>

#include "basics/number_text.h"
#include "model/model_store.h"

RunError DrawingFaultError(std::string_view viewName, FaultKind kind, int32_t memberPosition) {
  std::string message = std::string(viewName) + "の作図で" + FaultKindText(kind) + "が起きました";
  if (memberPosition >= 0 && memberPosition < modelStore.memberCount) {
    message += "（部材 " +
               FormatInteger(modelStore.members[static_cast<size_t>(memberPosition)].memberNo) +
               "）";
  }
  return RunError(RunErrorCause::Arithmetic, message + "。");
}
