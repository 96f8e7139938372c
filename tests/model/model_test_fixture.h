// What the model tests share: the fixed first lines of the two read messages, a fixture that
// records the messages, the path of a test model by its file name, and the first lines of the
// messages shown.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messages/message_sink.h"
#include "support/recording_message_sink.h"
#include "support/test_support.h"

inline const std::string kFileTypeLine =
    "ファイルタイプが不正です。本ソフト用のファイルであるか確認してください。";
inline const std::string kReadFailureLine =
    "解析モデルファイルの読み込みに失敗しました。データに不正がないか確認してください。";

// The fixed first line of each message, without the line that says where.
inline std::vector<std::string> FirstLines(const std::vector<std::string>& messages) {
  std::vector<std::string> lines;
  for (const std::string& message : messages) lines.push_back(message.substr(0, message.find('\n')));
  return lines;
}

class ModelTest : public testing::Test {
 protected:
  void SetUp() override { SetMessageSink(&sink); }
  void TearDown() override { SetMessageSink(nullptr); }

  static std::string ModelData(const std::string& name) { return TestDataPath("model/" + name); }

  RecordingMessageSink sink;
};
