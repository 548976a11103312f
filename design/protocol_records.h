// The host's records of the current protocol, filled by the host into storage the plug-in
// provides. Their byte layouts are fixed by the host (64-bit, little-endian integers).
#pragma once

#include <cstddef>
#include <cstdint>

// The protocol's header (596 bytes).
struct ProtocolInfo {
  std::int32_t nrOfConditions;
  char fileName[261];
  char experimentName[303];
  std::int32_t timeResolution;   // 1: volumes; any other value: msec
  std::int32_t backgroundColor;  // 0xRRGGBB, as are the other colours
  std::int32_t textColor;
  std::int32_t timeCourseColor;
  std::int32_t timeCourseThickness;
  std::int32_t referenceTimeCourseColor;
  std::int32_t referenceTimeCourseThickness;
};

// One condition (288 bytes). The interval arrays belong to the host; the plug-in only reads them.
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
