#include "geometry_json.h"

#include <charconv>
#include <cstdio>
#include <string_view>

#include "files/atomic_file.h"
#include "text/number_text.h"
#include "messages/run_error.h"
#include "drawing_lists.h"

namespace {

// Shortest text that reads back as the same single-precision value.
std::string FloatText(float value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

// A JSON string literal; the label texts keep their carriage returns as \r.
std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    switch (c) {
      case '"': quoted += "\\\""; break;
      case '\\': quoted += "\\\\"; break;
      case '\r': quoted += "\\r"; break;
      case '\n': quoted += "\\n"; break;
      case '\t': quoted += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          quoted += escaped;
        } else {
          quoted += c;
        }
    }
  }
  return quoted + "\"";
}

std::string RecordList(const DrawingList& list) {
  if (list.count <= 0) return "[]";
  std::string text = "[\n";
  const char* separator = "";
  for (const LineSegment& r : list.InUse()) {
    text += separator;
    text += "    [" + FormatInteger(r.X1) + ", " + FormatInteger(r.Y1) + ", " +
            FormatInteger(r.X2) + ", " + FormatInteger(r.Y2) + "]";
    separator = ",\n";
  }
  return text + "\n  ]";
}

std::string GeometryJson(const DrawingGeometry& geometry,
                         const std::array<std::string, 5>& tabLabels) {
  std::string json = "{\n";
  json += "  \"ModelWidth\": " + FloatText(geometry.modelWidth) + ",\n";
  json += "  \"ModelHeight\": " + FloatText(geometry.modelHeight);
  for (const NamedDrawingList& named : NamedDrawingLists(geometry)) {
    if (!named.writtenWhenEmpty && named.list->count <= 0) continue;
    json += ",\n  \"" + std::string(named.name) + "\": " + RecordList(*named.list);
  }
  json += ",\n  \"Label2\": {\n";
  for (size_t tab = 0; tab < tabLabels.size(); ++tab) {
    json += "    \"" + FormatInteger(static_cast<long>(tab) + 1) + "\": " + Quoted(tabLabels[tab]);
    json += tab + 1 < tabLabels.size() ? ",\n" : "\n";
  }
  return json + "  }\n}\n";
}

}  // namespace

void WriteGeometryJson(const std::string& path, const DrawingGeometry& geometry,
                       const std::array<std::string, 5>& tabLabels) {
  WriteWholeFile(path, GeometryJson(geometry, tabLabels));
}
