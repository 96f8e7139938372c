// What the model tests share: the two read messages, a fixture that starts every test with an
// empty model store and records the messages, and reading a test model by its file name.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "basics/message_sink.h"
#include "model/model_store.h"
#include "support/recording_message_sink.h"
#include "support/test_support.h"

inline const std::string kFileTypeMessage =
    "ファイルタイプが不正です。本ソフト用のファイルであるか確認してください。";
inline const std::string kReadFailureMessage =
    "解析モデルファイルの読み込みに失敗しました。データに不正がないか確認してください。";

class ModelTest : public testing::Test {
 protected:
  void SetUp() override {
    modelStore = ModelStore{};
    SetMessageSink(&sink);
  }
  void TearDown() override { SetMessageSink(nullptr); }

  static std::string ModelData(const std::string& name) { return TestDataPath("model/" + name); }

  RecordingMessageSink sink;
};
