// The geometry file of the batch front end: the exact text for the cantilever with its label
// texts, and a file that cannot be created.
#include "drawing/geometry_json.h"

#include <gtest/gtest.h>

#include "support/run_error_of.h"
#include "drawing_test_fixture.h"

namespace {

// The cantilever on 6000 x 4000: scale 3200/300, origin at (1280, 320), L = 320.
TEST(GeometryJson, CantileverExactText) {
  const ScratchDirectory scratch;
  const DrawnModel drawn(ExamplePath("cantilever.txt"), 6000.0f, 4000);
  const std::string path = scratch.File("geometry.json");
  const std::array<std::string, 5> labels{"節点荷重\r1  Fy=-1000 ㎏\r",
                                          "変位最大値 [㎝]\r     1.00000", "say \"M\"",
                                          "back\\slash\ttab", ""};
  WriteGeometryJson(path, drawn.geometry, labels);
  EXPECT_EQ(ReadFileBytes(path),
      "{\n"
      "  \"ModelWidth\": 300,\n"
      "  \"ModelHeight\": 300,\n"
      "  \"MemberLines\": [\n"
      "    [1280, 320, 4480, 320]\n"
      "  ],\n"
      "  \"LoadSymbols\": [\n"
      "    [4480, 640, 4480, 320],\n"
      "    [4560, 400, 4480, 320],\n"
      "    [4400, 400, 4480, 320]\n"
      "  ],\n"
      "  \"DeflectedShapeLines\": [],\n"
      "  \"BendingMomentLines\": [],\n"
      "  \"ShearForceLines\": [],\n"
      "  \"AxialForceLines\": [],\n"
      "  \"Label2\": {\n"
      "    \"1\": \"節点荷重\\r1  Fy=-1000 ㎏\\r\",\n"
      "    \"2\": \"変位最大値 [㎝]\\r     1.00000\",\n"
      "    \"3\": \"say \\\"M\\\"\",\n"
      "    \"4\": \"back\\\\slash\\ttab\",\n"
      "    \"5\": \"\"\n"
      "  }\n"
      "}\n");
}

TEST(GeometryJson, UnwritableFileIsARunErrorNamingIt) {
  const ScratchDirectory scratch;
  const std::string path = scratch.File("no such folder/geometry.json");
  const RunError error = ErrorOf([&] { WriteGeometryJson(path, DrawingGeometry{}, {}); });
  EXPECT_EQ(error.cause(), RunErrorCause::FileCreate);
  EXPECT_NE(std::string(error.what()).find(path), std::string::npos);
}

}  // namespace
