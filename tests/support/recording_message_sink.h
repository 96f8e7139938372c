// A message sink for tests: it keeps every message the core shows, in order, so that a test can
// expect the exact texts a user would have seen.
#pragma once

#include <string>
#include <vector>

#include "messages/message_sink.h"

class RecordingMessageSink : public MessageSink {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};
