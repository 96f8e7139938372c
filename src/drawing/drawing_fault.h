// The error a result view's builder throws when its arithmetic fails (an overflow or an invalid
// operation from results far beyond the drawing's range): names the view and the member.
#pragma once

#include <cstdint>
#include <string_view>

#include "arithmetic/arithmetic_fault.h"
#include "messages/run_error.h"
#include "model/model.h"

// memberPosition is the member's table position, or -1 when the fault is not one member's.
RunError DrawingFaultError(const Model& model, std::string_view viewName, FaultKind kind,
                           int32_t memberPosition);
