#include "report_path.h"

#include "basics/run_error.h"

namespace {

bool IsContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

std::string ReportPath(const std::string& modelPath) {
  size_t cut = modelPath.size();
  for (int removed = 0; removed < 4; ++removed) {
    if (cut == 0) {
      throw RunError(RunErrorCause::ReportPath,
                     "解析モデルファイルのパスが短すぎるため、結果ファイルの名前を決められません"
                     "（4 文字以上必要です）。" +
                         modelPath);
    }
    do {
      --cut;
    } while (cut > 0 && IsContinuationByte(modelPath[cut]));
  }
  return modelPath.substr(0, cut) + "_res.txt";
}
