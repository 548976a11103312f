// The records in which the host hands the current protocol to a plug-in, at their fixed byte
// layouts (64-bit, little-endian integers), and how they are filled from a protocol.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/protocol_file.h"

namespace standin {

// The protocol's header, 596 bytes.
struct ProtocolInfo {
  std::int32_t nrOfConditions;
  char fileName[261];
  char experimentName[303];
  std::int32_t timeResolution;   // 1: volumes, 0: msec
  std::int32_t backgroundColor;  // 0xRRGGBB, as are the other colours
  std::int32_t textColor;
  std::int32_t timeCourseColor;
  std::int32_t timeCourseThickness;
  std::int32_t referenceTimeCourseColor;
  std::int32_t referenceTimeCourseThickness;
};

// One condition, 288 bytes. The interval arrays belong to the host.
struct ProtocolCondition {
  char name[256];
  std::int32_t nrOfIntervals;
  std::int32_t reserved1;
  const std::int32_t* intervalStarts;
  const std::int32_t* intervalEnds;
  std::int32_t color;
  std::int32_t reserved2;
};

static_assert(sizeof(void*) == 8, "the records are laid out for a 64-bit host");
static_assert(sizeof(ProtocolInfo) == 596);
static_assert(offsetof(ProtocolInfo, fileName) == 4);
static_assert(offsetof(ProtocolInfo, experimentName) == 265);
static_assert(offsetof(ProtocolInfo, timeResolution) == 568);
static_assert(offsetof(ProtocolInfo, backgroundColor) == 572);
static_assert(offsetof(ProtocolInfo, textColor) == 576);
static_assert(offsetof(ProtocolInfo, timeCourseColor) == 580);
static_assert(offsetof(ProtocolInfo, timeCourseThickness) == 584);
static_assert(offsetof(ProtocolInfo, referenceTimeCourseColor) == 588);
static_assert(offsetof(ProtocolInfo, referenceTimeCourseThickness) == 592);
static_assert(sizeof(ProtocolCondition) == 288);
static_assert(offsetof(ProtocolCondition, nrOfIntervals) == 256);
static_assert(offsetof(ProtocolCondition, intervalStarts) == 264);
static_assert(offsetof(ProtocolCondition, intervalEnds) == 272);
static_assert(offsetof(ProtocolCondition, color) == 280);

// Fills every byte of record from protocol; fileName is cut to its field should it not fit.
void fillProtocolInfo(const Protocol& protocol, const std::string& fileName, ProtocolInfo& record);

// Fills every byte of record from condition. The interval pointers point into condition and
// stay valid as long as it does (null for a condition without intervals).
void fillProtocolCondition(const Condition& condition, ProtocolCondition& record);

}  // namespace standin
