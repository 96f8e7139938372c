#include "report_path.h"

#include "messages/run_error.h"

namespace {

bool IsContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

std::string ReportPath(const std::string& modelPath) {
  const size_t slash = modelPath.find_last_of('/');
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  if (nameStart == modelPath.size()) {
    throw RunError(RunErrorCause::ReportPath,
                   "解析モデルファイルのパスにファイル名がないため、結果ファイルの名前を決められ"
                   "ません。" +
                       modelPath);
  }
  size_t cut = modelPath.size();
  for (int removed = 0; removed < 4 && cut > nameStart; ++removed) {
    do {
      --cut;
    } while (cut > nameStart && IsContinuationByte(modelPath[cut]));
  }
  if (cut <= nameStart) return modelPath + "_res.txt";
  return modelPath.substr(0, cut) + "_res.txt";
}

std::string BesideReportPath(const std::string& modelPath, const std::string& extension) {
  try {
    std::string path = ReportPath(modelPath);
    return path.replace(path.size() - 4, 4, extension);
  } catch (const RunError&) {
    return "";
  }
}
