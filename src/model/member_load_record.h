// One record of the model file's MEMBERLOADS table: a load along a member, distributed over all
// or part of its length, or a force or moment concentrated at one point of it, as written in the
// file. The kind and direction numbers are the file's.
#pragma once

#include <cstdint>

// 種類
inline constexpr int16_t kDistributedLoad = 1;     // p1 at the start, p2 at the end, kg/cm
inline constexpr int16_t kConcentratedForce = 2;   // p1, kg
inline constexpr int16_t kConcentratedMoment = 3;  // p1, kg·cm, counter-clockwise positive

// 方向, for distributed loads and concentrated forces; a concentrated moment has direction 0.
inline constexpr int16_t kMomentDirection = 0;
inline constexpr int16_t kMemberAxisX = 1;  // along the member, from node 1 to node 2
inline constexpr int16_t kMemberAxisY = 2;  // member x turned 90° counter-clockwise
inline constexpr int16_t kGlobalX = 3;      // global x
inline constexpr int16_t kGlobalY = 4;      // global y; a distributed load is per cm of member

// The short names the lists and tables give them: 分布, 集中, モーメント and 部材x, 部材y, 全体X,
// 全体Y; "" for a number that is none of them.
constexpr const char* MemberLoadKindName(int16_t kind) {
  switch (kind) {
    case kDistributedLoad: return "分布";
    case kConcentratedForce: return "集中";
    case kConcentratedMoment: return "モーメント";
    default: return "";
  }
}
constexpr const char* MemberLoadDirectionName(int16_t direction) {
  switch (direction) {
    case kMemberAxisX: return "部材x";
    case kMemberAxisY: return "部材y";
    case kGlobalX: return "全体X";
    case kGlobalY: return "全体Y";
    default: return "";
  }
}

struct MemberLoadRecord {
  int16_t memberNo = 0;   // user number from the file
  int16_t kind = 0;       // kDistributedLoad, kConcentratedForce or kConcentratedMoment
  int16_t direction = 0;  // kMemberAxisX .. kGlobalY, or kMomentDirection
  double p1 = 0.0;  // kg/cm where a distributed load starts; kg of a force; kg·cm of a moment
  double p2 = 0.0;  // kg/cm where a distributed load ends; unused otherwise
  double a = 0.0;   // cm from node 1 to where a distributed load starts or a concentrated one acts
  double b = 0.0;   // cm from node 2 to where a distributed load ends; unused otherwise
  // Table position of the member: 0 as read, then set by the reference check; -1 where the
  // number was not found.
  int16_t memberIndex = 0;

  bool operator==(const MemberLoadRecord&) const = default;
};
