// For tests of a step that must stop: the RunError it throws, kept so that the test can look at
// the cause and the message.
#pragma once

#include <functional>

#include "messages/run_error.h"

// The RunError the steps throw; fails the test when they throw none.
RunError ErrorOf(const std::function<void()>& steps);
