// The mistakes people make writing a model file by hand, each a real file: its message keeps the
// fixed text as the first line, and the second names the line, the table and record, the field
// and what was found there. What reads but was probably not meant is warned of, a line a place.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "model/file_text.h"
#include "model/model_file_messages.h"
#include "model/model_file_reader.h"
#include "model/reference_check.h"
#include "model/table_keywords.h"
#include "model_test_fixture.h"

namespace {

using ModelFileMessagesTest = ModelTest;

struct Mistake {
  std::string path;
  std::string first;  // the fixed first line; empty when the model loads without a word
  std::string place;  // how the second line starts
  std::string what;   // further on in the message
  size_t lines = 2;   // a warning has a line for each place
};

// What loading the file as the window and the batch do shows: the read failure, the reference
// failure, or the warnings.
std::vector<std::string> LoadMessages(RecordingMessageSink& sink, const std::string& path) {
  sink.messages.clear();
  ReadWarnings warnings;
  std::optional<Model> model = ReadModelFile(path, &warnings);
  if (model && CheckModelReferences(*model) && !warnings.empty()) {
    sink.messages.push_back(ReadWarningsMessage(warnings));
  }
  return sink.messages;
}

TEST_F(ModelFileMessagesTest, EachMistakeIsShownWhereItIs) {
  const std::string read = kReadFailureLine;
  const std::string type = kFileTypeLine;
  const std::string heading = "見出しの行が1つ抜けていると表が1行ずれて";
  const std::string freeLines = "2行目のタイトルの行か3行目の件数の見出しの行が抜けていると";
  const std::string trailing = "支点表の後ろに、支点のデータのように読める行があります（読み込んでいません）。";
  const std::string fraction = "整数の欄に小数が書いてあります。四捨五入した整数として読んでいます（ちょうど 0.5 のときは偶数の側）。";
  const std::string duplicate = "同じ番号のデータが2件以上あります。使われるのは最初の1件だけです。";
  const std::string flag = "支点の拘束の値は 0（自由）か 1（拘束）です。0 と 1 以外の値は拘束として読んでいます。";
  const std::string keywordLike = "支点表の後ろに、表のキーワードに似た行があります（キーワードとしては読んでいません）。";
  const Mistake mistakes[] = {
      {ModelData("letter_o_for_zero.txt"), read, "7行目、節点表の2件目のx：",
       "「3O0」は数値「3」の後ろに「O0」が続いています。"},
      {ModelData("unit_after_number.txt"), read, "13行目、荷重表の1件目のFy：",
       "「-2000kg」は数値「-2000」の後ろに「kg」が続いています。"},
      {ModelData("word_for_number.txt"), read, "11行目、部材表の1件目の節点2：",
       "「two」は数値ではありません。"},
      {ModelData("non_numeric_field.txt"), read, "6行目、節点表の1件目のx：", "「abc」は数値ではありません。"},
      {ModelData("space_separated.txt"), read, "15行目、支点表の1件目の節点：",
       "「1 1 1 1」は値が空白で区切られています。"},
      // "-1,000" is two values: the load's comma shifts what follows.
      {ModelData("thousands_separator.txt"), read, "14行目、支点表の1件目の節点：「node」は数値ではありません。",
       "13行目、荷重表の1件目は4つ目の値の後ろにもカンマがあり"},
      {ModelData("missing_field.txt"), read, "8行目、節点表の2件目のy：「section」は数値ではありません。",
       "7行目、節点表の2件目の行には値が2つしかなく"},
      {ModelData("empty_field.txt"), read, "6行目、節点表の1件目のx：", "値がありません"},
      {ModelData("record_ends_in_comma.txt"), read, "8行目、節点表の2件目のx：", "値がありません"},
      {ModelData("missing_node_heading.txt"), read, "7行目、節点表の2件目の節点No.：「section」", heading},
      // Without the title or the counts heading, the counts come from the wrong line.
      {ModelData("missing_title_line.txt"), read, "4行目、件数の行の節点数：「node」", freeLines},
      {ModelData("counts_without_title_or_heading.txt"), read, "14行目、支点表の2件目の節点：",
       freeLines},
      {ModelData("missing_load_header.txt"), read, "14行目、支点表の1件目の節点：",
       "ここでファイルが終わっています。支点表にはあと1件のデータが必要です。" + heading},
      {ModelData("ends_early.txt"), read, "8行目、節点表の3件目の節点No.：",
       "ここでファイルが終わっています。節点表にはあと1件のデータが必要です。"},
      {ModelData("full_width_digits.txt"), read, "7行目、節点表の2件目のx：",
       "「３００」に全角の数字やカンマがあります。"},
      // The file is CP932; the message quotes it in the program's own text.
      {ModelData("full_width_commas_cp932.txt"), read, "7行目、節点表の2件目の節点No.：",
       "「2，300，0」に全角の数字やカンマがあります。"},
      {ModelData("integer_beyond_16_bits.txt"), read, "7行目、節点表の2件目の節点No.：",
       "「32768」は -32768 から 32767 までの整数の範囲を超えています。"},
      {ModelData("real_beyond_float.txt"), read, "9行目、断面表の1件目のヤング係数：", "「1E39」は扱える"},
      {ModelData("support_count_40000.txt"), read, "4行目、件数の行の支点数：",
       "「40000」は件数の上限 32767 を超えています。"},
      {ModelData("negative_count.txt"), read, "4行目、件数の行の断面数：", "「-1」は負の数です。"},
      {ModelData("bom_before_femdata.txt"), type, "1行目の先頭に UTF-8 の BOM", ""},
      {ModelData("first_line_lowercase.txt"), type, "1行目は「femdata」です。", "大文字"},
      {ModelData("first_line_trailing_blank.txt"), type, "1行目は「FEMDATA 」で、", "後ろに空白"},
      {ModelData("no_such_file.txt"), read, "「" + ModelData("no_such_file.txt") + "」を開けません：",
       "ファイルがありません。"},
      {ModelData(""), read, "「" + ModelData("") + "」を読み込めません：", "ディレクトリです。"},
      {ModelData("missing_node_and_section.txt"),
       "部材データ定義において指定された節点データがありません。部材No＝2",
       "14行目、部材表の2件目の節点2：", "節点No＝9は節点表にありません。"},
      {ModelData("member_both_ends_missing.txt"),
       "部材データ定義において指定された節点データがありません。部材No＝1",
       "11行目、部材表の1件目の節点1と節点2：", "節点No＝8と節点No＝9は節点表にありません。"},
      {ModelData("bad_members_loads_supports.txt"),
       "部材データ定義において指定された特性データがありません。部材No＝-12",
       "12行目、部材表の2件目の断面特性：", "断面特性No＝4は断面表にありません。"},
      {ModelData("bad_load.txt"), "負荷データ定義において指定された特性データがありません。",
       "14行目、荷重表の2件目の節点：", "節点No＝3は節点表にありません。"},
      {ModelData("bad_support.txt"), "境界データ定義において指定された特性データがありません。",
       "16行目、支点表の2件目の節点：", "節点No＝0は節点表にありません。"},
      // Four whole numbers after the support table warn; notes and other lines do not.
      {ModelData("supports_beyond_count.txt"), trailing, "最初は16行目で、全部で2行です。", "支点数"},
      {ModelData("extra_lines_after_supports.txt"), trailing, "最初は16行目で、全部で1行です。", ""},
      {ExamplePath("cantilever.txt"), "", "", ""},
      {ModelData("node_count_too_large.txt"), read, "8行目、節点表の3件目の節点No.：「section」",
       "件数の行（4行目）の節点数は 3 です。"},
      {ModelData("tab_separated.txt"), read, "7行目、節点表の2件目の節点No.：「2 300 0」",
       "タブは値の区切りになりません。"},
      // Read as written, with a warning.
      {ModelData("fractions.txt"), fraction, "4行目、件数の行の節点数：「2.5」を 2 と読みました。",
       "\n" + flag + "\n14行目、支点表の1件目のv：「2.5」は 0 でも 1 でもありません。", 9},
      {ModelData("duplicate_nodes.txt"), duplicate, "8行目、節点表の3件目の節点No.：",
       "節点No＝5は6行目（1件目）と同じ番号です。"},
      {ModelData("support_flag_2.txt"), flag, "15行目、支点表の1件目のθ：", "「2」は 0 でも 1 でもありません。"},
      // Before the first keyword a line is a note; one like a keyword is warned of, not read.
      {ModelData("member_load_keyword_misspelt.txt"), keywordLike,
       "16行目：「Memberloads」は MEMBERLOADS に似ています。", "\n19行目：「MEMBERLOAD」", 3},
      // The MEMBERLOADS table: each value against its kind and the member's length.
      {ModelData("member_loads_all_kinds.txt"), "", "", ""},
      {ModelData("member_load_unknown_member.txt"), read, "19行目、部材荷重表の2件目の部材No.：",
       "部材No＝9は部材表にありません。"},
      {ModelData("member_load_bad_kind.txt"), read, "18行目、部材荷重表の1件目の種類：", "「4」は種類にありません。"},
      {ModelData("member_load_bad_direction.txt"), read, "18行目、部材荷重表の1件目の方向：",
       "「5」は方向にありません。"},
      {ModelData("member_load_moment_direction.txt"), read, "18行目、部材荷重表の1件目の方向：「2」",
       "集中モーメント（種類 3）は方向を使わない"},
      // The distance written where a force has no p2.
      {ModelData("member_load_shifted_fields.txt"), read, "18行目、部材荷重表の1件目のp2：「150」",
       "値の位置が1つずれて"},
      {ModelData("member_load_negative_b.txt"), read, "18行目、部材荷重表の1件目のb：", "「-50」は負の数です。"},
      {ModelData("member_load_no_span_left.txt"), read, "18行目、部材荷重表の1件目のaとb：",
       "部材No＝1の長さ 300 cm 以上"},
      {ModelData("member_load_point_beyond.txt"), read, "18行目、部材荷重表の1件目のa：",
       "「300.5」は部材No＝1の長さ 300 cm を超えています。"},
      // A record stands on its one line; from the first keyword on, a line is a record, a keyword
      // or empty, and each table is given once, after its heading.
      {ModelData("member_load_split_record.txt"), read, "18行目、部材荷重表の1件目のb：",
       "ここで行が終わっています。"},
      {ModelData("member_load_extra_value.txt"), read, "18行目、部材荷重表の1件目：",
       "7つの値の後ろに「0」があります。"},
      {ModelData("member_load_note_in_table.txt"), read, "19行目、部材荷重表：「the slab weighs 10 kg/cm」",
       "データでもキーワードでもありません。"},
      {ModelData("member_load_misspelt_in_table.txt"), read, "19行目、部材荷重表：「MemberLoads」",
       "MEMBERLOADS の書き間違い"},
      {ModelData("member_load_table_twice.txt"), read, "20行目：MEMBERLOADS の表がもう一度", "最初は16行目"},
      {ModelData("member_load_heading_missing.txt"), read, "18行目、部材荷重表の見出しの行：",
       "データのように読めます。"},
      {ModelData("member_load_keyword_at_end.txt"), read, "17行目、部材荷重表の見出しの行：",
       "ここでファイルが終わっています。"},
      // HINGES, SPRINGS and SETTLEMENTS: each value, then the member or node against the tables
      // before, each named once. Node 30's u and v are restrained by two support records.
      {ModelData("joint_conditions.txt"), "", "", ""},
      {ModelData("hinge_unknown_member.txt"), read, "29行目、ヒンジ表の1件目の部材No.：",
       "部材No＝5は部材表にありません。"},
      {ModelData("spring_unknown_node.txt"), read, "33行目、ばね表の2件目の節点：",
       "節点No＝50は節点表にありません。"},
      {ModelData("settlement_unknown_node.txt"), read, "25行目、強制変位表の1件目の節点：",
       "節点No＝50は節点表にありません。"},
      {ModelData("hinge_flag_2.txt"), read, "29行目、ヒンジ表の1件目の端2：", "「2」は 0 でも 1 でもありません。"},
      {ModelData("spring_negative.txt"), read, "32行目、ばね表の1件目のky：", "「-5000」は負の数です。"},
      {ModelData("spring_beyond_float.txt"), read, "32行目、ばね表の1件目のkθ：", "「1E39」は扱える"},
      {ModelData("spring_on_support.txt"), read, "33行目、ばね表の2件目のkx：",
       "節点No＝30の u 方向は21行目の支点で拘束されているので、ばね「100」は付けられません。"},
      {ModelData("settlement_on_free.txt"), read, "25行目、強制変位表の1件目のθ：",
       "節点No＝30の θ 方向はどの支点でも拘束されていないので、強制変位「0.001」は与えられません。"},
      {ModelData("hinges_twice.txt"), read, "34行目：HINGES の表がもう一度", "最初は27行目"},
      {ModelData("hinge_member_twice.txt"), read, "31行目、ヒンジ表の3件目の部材No.：",
       "部材No＝7は29行目（1件目）と同じ部材です。"},
      {ModelData("spring_node_twice.txt"), read, "34行目、ばね表の3件目の節点：",
       "節点No＝20は32行目（1件目）と同じ節点です。"},
      {ModelData("joint_keyword_misspelt_in_table.txt"), read, "26行目、強制変位表：「HINGE」",
       "HINGES の書き間違い"},
      {ModelData("joint_keywords_misspelt.txt"), keywordLike, "23行目：「Hinges」は HINGES に似ています。",
       "\n25行目：「SETTLEMENT」は SETTLEMENTS に似ています。", 4},
  };
  for (const Mistake& mistake : mistakes) {
    SCOPED_TRACE(mistake.path);
    const std::vector<std::string> messages = LoadMessages(sink, mistake.path);
    if (mistake.first.empty()) {
      EXPECT_TRUE(messages.empty());
      continue;
    }
    ASSERT_EQ(messages.size(), 1u);
    const std::string& message = messages[0];
    const size_t end = message.find('\n');
    ASSERT_NE(end, std::string::npos) << message;
    EXPECT_EQ(message.substr(0, end), mistake.first);
    const std::string second = message.substr(end + 1);
    EXPECT_EQ(static_cast<size_t>(std::count(message.begin(), message.end(), '\n')) + 1,
              mistake.lines)
        << message;
    EXPECT_EQ(second.rfind(mistake.place, 0), 0u) << second;
    EXPECT_NE(second.find(mistake.what, mistake.place.size()), std::string::npos) << second;
  }
}

// The look for support lines after the table stops after 16 MB, empty lines counted, so a file
// padded with them does not keep the window waiting.
TEST_F(ModelFileMessagesTest, TheLookAfterTheSupportsStopsAfter16MegabytesOfEmptyLines) {
  const ScratchDirectory scratch;
  const std::string model = ReadFileBytes(ModelData("supports_beyond_count.txt"));
  // After the support table's heading and its one record.
  const size_t tail = model.find("\n", model.find("\n", model.find("node,u,v,theta")) + 1) + 1;
  for (const auto& [emptyLines, warned] :
       {std::pair{size_t{1000}, true}, std::pair{size_t{17} << 20, false}}) {
    const std::string path = scratch.File("padded.txt");
    WriteFileBytes(path,
                   model.substr(0, tail) + std::string(emptyLines, '\n') + model.substr(tail));
    EXPECT_EQ(LoadMessages(sink, path).size(), warned ? 1u : 0u) << emptyLines;
  }
}

// A keyword in another case or with one character added, dropped or changed is taken for a slip;
// the keyword itself, two slips or other words are not.
TEST(ResembledTableKeyword, IsTheKeywordWithinOneSlip) {
  for (const char* like : {"memberloads", " Memberloads ", "MEMBERLOAD", "MEMBER LOADS",
                           "MEMBERLOADSS", "EMBERLOADS", "MEMBERL0ADS"}) {
    EXPECT_NE(ResembledTableKeyword(like), nullptr) << like;
  }
  for (const auto& [like, keyword] : {std::pair{"Hinges", "HINGES"}, std::pair{"HINGE", "HINGES"},
                                      std::pair{"SPRING", "SPRINGS"},
                                      std::pair{"SETTLEMENT", "SETTLEMENTS"}}) {
    const TableKeyword* found = ResembledTableKeyword(like);
    ASSERT_NE(found, nullptr) << like;
    EXPECT_EQ(found->keyword, keyword);
  }
  for (const char* other : {"MEMBERLOADS", " MEMBERLOADS\t", "MEMBERLAODS", "MEMBERLOA",
                            "MEMBERS", "", "HINGES", "SPRINGS", "MEMBERLOADS 部材荷重"}) {
    EXPECT_EQ(ResembledTableKeyword(other), nullptr) << other;
  }
}

// File text in a message: as it is in UTF-8, converted from CP932, else byte by byte; cut after
// 30 characters at a character boundary, never inside one.
TEST(QuoteFileText, ShowsTheTextAsTheUserWroteItShortened) {
  const std::string kana30 = [] {
    std::string text;
    for (int i = 0; i < 10; ++i) text += "あいう";
    return text;
  }();
  const std::pair<std::string, std::string> quotes[] = {
      {"-2000kg", "「-2000kg」"},
      {"\x82\x50\x82\x4f", "「１０」"},  // CP932
      {std::string("a\tb\0", 4), "「a\\x09b\\x00」"},
      {"\x80\xFF" "1", "「\\x80\\xFF1」"},  // neither UTF-8 nor CP932
      {kana30, "「" + kana30 + "」"},
      {kana30 + "え", "「" + kana30 + "…」"},
      {std::string(1'000'000, ','), "「" + std::string(30, ',') + "…」"},
  };
  for (const auto& [bytes, quoted] : quotes) EXPECT_EQ(QuoteFileText(bytes), quoted);
  // A value cut short by the reader ends in "…", even inside a character.
  EXPECT_EQ(QuoteFileText("12\xE3\x81", true), "「12…」");
}

}  // namespace
