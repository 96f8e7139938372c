// The report's name: four characters of the model's file name dropped, counted as characters of
// the UTF-8 path so a Japanese name is cut between characters; a name too short to keep a
// character of its own gets "_res.txt" after the whole path, so the report stays in its folder.
#include <gtest/gtest.h>

#include "messages/run_error.h"
#include "report/report_path.h"

TEST(ReportPath, DropsFourCharactersWhileOneOfTheFileNameRemains) {
  const char* const cases[][2] = {
      {"/data/frame1.txt", "/data/frame1_res.txt"},
      {"/data/frame1", "/data/fr_res.txt"},
      {"/data/beam1", "/data/b_res.txt"},
      {"a.txt", "a_res.txt"},
      {"/data/門型ラーメン.txt", "/data/門型ラーメン_res.txt"},
      {"/data/骨組み解析", "/data/骨_res.txt"},
      {"/d/モデル㎝.", "/d/モ_res.txt"},
  };
  for (const auto& [model, report] : cases) EXPECT_EQ(ReportPath(model), report) << model;
}

TEST(ReportPath, ANameOfFourCharactersOrFewerKeepsItsWholePath) {
  const char* const cases[][2] = {
      {"/data/beam", "/data/beam_res.txt"},
      {"/data/b", "/data/b_res.txt"},
      {"/data/a.tx", "/data/a.tx_res.txt"},
      {"/d/モデル㎝", "/d/モデル㎝_res.txt"},
      {"/データ/梁", "/データ/梁_res.txt"},
      {"解析式", "解析式_res.txt"},
      {"a", "a_res.txt"},
  };
  for (const auto& [model, report] : cases) EXPECT_EQ(ReportPath(model), report) << model;
}

TEST(ReportPath, RefusesAPathWithoutAFileName) {
  for (const char* path : {"", "/data/"}) {
    try {
      ReportPath(path);
      FAIL() << path;
    } catch (const RunError& error) {
      EXPECT_EQ(error.cause(), RunErrorCause::ReportPath);
      EXPECT_NE(std::string(error.what()).find("解析モデルファイルのパス"), std::string::npos);
    }
  }
}
