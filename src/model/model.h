// The structural model as a value: the five record tables of the model file, their counts, the
// optional keyword tables after them and the path of the file they came from. The reader makes
// one, the reference check resolves its indices, and everything after takes it by const
// reference. User numbers are labels; the resolved indices are table positions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "member_load_record.h"

struct NodeRecord {
  int16_t nodeNo = 0;
  float x = 0.0f;  // cm
  float y = 0.0f;  // cm

  bool operator==(const NodeRecord&) const = default;
};

struct SectionRecord {
  int16_t sectionNo = 0;
  float area = 0.0f;          // cm², A
  float inertia = 0.0f;       // cm⁴, I
  float youngModulus = 0.0f;  // kg/cm², E

  bool operator==(const SectionRecord&) const = default;
};

struct MemberRecord {
  int16_t memberNo = 0;
  int16_t node1No = 0;  // user numbers from the file
  int16_t node2No = 0;
  int16_t sectionNo = 0;
  // Table positions: 0 as read, then set by the reference check; -1 where a number was not found.
  int16_t node1Index = 0;
  int16_t node2Index = 0;
  int16_t sectionIndex = 0;

  bool operator==(const MemberRecord&) const = default;
};

struct NodalLoadRecord {
  int16_t nodeNo = 0;
  float fx = 0.0f;      // kg, along global x
  float fy = 0.0f;      // kg, along global y
  float moment = 0.0f;  // kg·cm, counter-clockwise positive
  int16_t nodeIndex = 0;  // table position, as a member's

  bool operator==(const NodalLoadRecord&) const = default;
};

struct SupportRecord {
  int16_t nodeNo = 0;
  int16_t fixU = 0;  // 0 free, any other value restrained
  int16_t fixV = 0;
  int16_t fixTheta = 0;
  int16_t nodeIndex = 0;  // table position, as a member's

  bool operator==(const SupportRecord&) const = default;
};

// One record of the HINGES table: which ends of a member transmit no moment. The reader takes
// each member once and each end 0 or 1.
struct HingeRecord {
  int16_t memberNo = 0;  // user number from the file
  int16_t release1 = 0;  // 1: the end at node 1 transmits no moment; 0: it is rigidly joined
  int16_t release2 = 0;  // the same for the end at node 2
  int16_t memberIndex = 0;  // table position, as a member load's

  bool operator==(const HingeRecord&) const = default;
};

// One record of the SPRINGS table: elastic supports of a node in global axes, 0 for none. The
// reader takes each node once, no stiffness negative and none on a direction the support table
// restrains.
struct SpringRecord {
  int16_t nodeNo = 0;
  double kx = 0.0;      // kg/cm
  double ky = 0.0;      // kg/cm
  double kTheta = 0.0;  // kg·cm/rad
  int16_t nodeIndex = 0;  // table position, as a member's nodes

  bool operator==(const SpringRecord&) const = default;
};

// One record of the SETTLEMENTS table: the prescribed displacement of a node's restrained
// directions; a direction the supports leave free has 0. The reader takes each node once.
struct SettlementRecord {
  int16_t nodeNo = 0;
  double u = 0.0;      // cm, along global x
  double v = 0.0;      // cm, along global y
  double theta = 0.0;  // rad, counter-clockwise positive
  int16_t nodeIndex = 0;

  bool operator==(const SettlementRecord&) const = default;
};

struct Model {
  std::string modelPath;
  // Counts of records in use; every table holds count + 1 records, the last one all zero.
  int32_t nodeCount = 0;
  int32_t sectionCount = 0;
  int32_t memberCount = 0;
  int32_t loadCount = 0;
  int16_t supportCount = 0;
  std::vector<NodeRecord> nodes;
  std::vector<SectionRecord> sections;
  std::vector<MemberRecord> members;
  std::vector<NodalLoadRecord> loads;
  std::vector<SupportRecord> supports;
  // The line of the file each member, load and support record starts on, so that a reference
  // that does not resolve can be shown where it was written.
  std::vector<int64_t> memberLines;
  std::vector<int64_t> loadLines;
  std::vector<int64_t> supportLines;

  // The optional tables after the support table, in file order, each record with its line; a
  // file without them leaves them empty.
  std::vector<MemberLoadRecord> memberLoads;
  std::vector<int64_t> memberLoadLines;
  std::vector<HingeRecord> hinges;
  std::vector<int64_t> hingeLines;
  std::vector<SpringRecord> springs;
  std::vector<int64_t> springLines;
  std::vector<SettlementRecord> settlements;
  std::vector<int64_t> settlementLines;
};
