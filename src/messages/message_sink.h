// Where the core shows a message to the user: the window shows a modal box with an OK button
// and no icon, the batch front end writes to standard error, tests record the texts.
#pragma once

#include <string>

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void ShowMessage(const std::string& text) = 0;
};

// Installs the sink for the rest of the process; nullptr restores standard error.
void SetMessageSink(MessageSink* sink);
void ShowMessage(const std::string& text);
