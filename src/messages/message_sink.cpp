#include "message_sink.h"

#include <cstdio>

namespace {

class StandardErrorSink : public MessageSink {
 public:
  void ShowMessage(const std::string& text) override {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
  }
};

StandardErrorSink standardErrorSink;
MessageSink* currentSink = &standardErrorSink;

}  // namespace

void SetMessageSink(MessageSink* sink) { currentSink = sink != nullptr ? sink : &standardErrorSink; }

void ShowMessage(const std::string& text) { currentSink->ShowMessage(text); }
