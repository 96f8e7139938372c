#include "support/run_error_of.h"

#include <gtest/gtest.h>

RunError ErrorOf(const std::function<void()>& steps) {
  try {
    steps();
  } catch (const RunError& error) {
    return error;
  }
  ADD_FAILURE() << "the steps did not fail";
  return RunError(RunErrorCause::Arithmetic, "");
}
