#include "model_file_reader.h"

#include "basics/message_sink.h"
#include "model_store.h"
#include "model_text_reader.h"

namespace {

constexpr const char* kFileTypeMessage =
    "ファイルタイプが不正です。本ソフト用のファイルであるか確認してください。";
constexpr const char* kReadFailureMessage =
    "解析モデルファイルの読み込みに失敗しました。データに不正がないか確認してください。";

// Zero-filled with one spare record at position count; the reader fills 0 .. count - 1.
template <typename Record>
void RecreateTable(std::vector<Record>& table, int32_t count) {
  table.assign(static_cast<size_t>(count) + 1, Record{});
}

// Each table follows its own free header line. Fields go straight into the store as they are
// read, so a failure leaves everything read before it in place.
template <typename Record, typename ReadRecord>
void ReadTable(ModelTextReader& reader, std::vector<Record>& table, int32_t count,
               ReadRecord readRecord) {
  reader.SkipLine();
  for (int32_t i = 0; i < count; ++i) readRecord(table[static_cast<size_t>(i)]);
}

void ReadModelTables(ModelTextReader& reader) {
  reader.SkipLine();
  reader.SkipLine();
  modelStore.nodeCount = reader.ReadCount();
  modelStore.sectionCount = reader.ReadCount();
  modelStore.memberCount = reader.ReadCount();
  modelStore.loadCount = reader.ReadCount();
  modelStore.supportCount = reader.ReadCount();

  RecreateTable(modelStore.nodes, modelStore.nodeCount);
  RecreateTable(modelStore.sections, modelStore.sectionCount);
  RecreateTable(modelStore.members, modelStore.memberCount);
  RecreateTable(modelStore.loads, modelStore.loadCount);
  RecreateTable(modelStore.supports, modelStore.supportCount);

  ReadTable(reader, modelStore.nodes, modelStore.nodeCount, [&](NodeRecord& node) {
    node.nodeNo = reader.ReadInteger();
    node.x = reader.ReadReal();
    node.y = reader.ReadReal();
  });
  ReadTable(reader, modelStore.sections, modelStore.sectionCount, [&](SectionRecord& section) {
    section.sectionNo = reader.ReadInteger();
    section.area = reader.ReadReal();
    section.inertia = reader.ReadReal();
    section.youngModulus = reader.ReadReal();
  });
  ReadTable(reader, modelStore.members, modelStore.memberCount, [&](MemberRecord& member) {
    member.memberNo = reader.ReadInteger();
    member.node1No = reader.ReadInteger();
    member.node2No = reader.ReadInteger();
    member.sectionNo = reader.ReadInteger();
  });
  ReadTable(reader, modelStore.loads, modelStore.loadCount, [&](NodalLoadRecord& load) {
    load.nodeNo = reader.ReadInteger();
    load.fx = reader.ReadReal();
    load.fy = reader.ReadReal();
    load.moment = reader.ReadReal();
  });
  ReadTable(reader, modelStore.supports, modelStore.supportCount, [&](SupportRecord& support) {
    support.nodeNo = reader.ReadInteger();
    support.fixU = reader.ReadInteger();
    support.fixV = reader.ReadInteger();
    support.fixTheta = reader.ReadInteger();
  });
}

}  // namespace

bool ReadModelFile(const std::string& path) {
  // The report names itself after this path, so it is kept even when the file cannot be read.
  modelStore.modelPath = path;
  try {
    // The reader closes the file on every way out, a failed read included.
    ModelTextReader reader(path);
    if (!reader.FirstLineIs("FEMDATA")) {
      ShowMessage(kFileTypeMessage);
      return false;
    }
    ReadModelTables(reader);
    return true;
  } catch (const ModelFileReadFailure&) {
    ShowMessage(kReadFailureMessage);
    return false;
  }
}
