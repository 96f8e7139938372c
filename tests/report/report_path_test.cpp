// The report's name: four characters of the model path dropped, counted as characters of the
// UTF-8 path so a Japanese name is cut between characters, and a path too short to cut refused.
#include <gtest/gtest.h>

#include "basics/run_error.h"
#include "report/report_path.h"

TEST(ReportPath, ReplacesTheThreeLetterExtension) {
  EXPECT_EQ(ReportPath("/data/frame1.txt"), "/data/frame1_res.txt");
  EXPECT_EQ(ReportPath("/data/frame1"), "/data/fr_res.txt");
  EXPECT_EQ(ReportPath("a.tx"), "_res.txt");
}

TEST(ReportPath, CountsJapaneseCharactersNotBytes) {
  EXPECT_EQ(ReportPath("/data/門型ラーメン.txt"), "/data/門型ラーメン_res.txt");
  EXPECT_EQ(ReportPath("/data/骨組み解析"), "/data/骨_res.txt");
  EXPECT_EQ(ReportPath("/d/モデル㎝"), "/d/_res.txt");
}

TEST(ReportPath, RefusesAPathOfFewerThanFourCharacters) {
  for (const char* path : {"", "a", "解析式"}) {
    try {
      ReportPath(path);
      FAIL() << path;
    } catch (const RunError& error) {
      EXPECT_EQ(error.cause(), RunErrorCause::ReportPath);
      EXPECT_NE(std::string(error.what()).find("解析モデルファイルのパス"), std::string::npos);
    }
  }
}
