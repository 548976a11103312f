// The host's record of the header of the VTC linked to the current anatomical document. The run
// lets the host fill it, changes the protocol's file name and hands it back; every other byte
// goes back as the host filled it.
#pragma once

#include <cstddef>
#include <cstdint>

// Capacity of the header's protocol file name, NUL included: a longer name is never cut into it
// (a cut name would name another protocol).
inline constexpr std::size_t kProtocolFileNameCapacity = 256;

struct VtcHeader {
  std::uint8_t reserved0[4];
  std::int32_t numberOfVolumes;
  std::uint8_t reserved1[316];
  char protocolFileName[kProtocolFileNameCapacity];
  std::uint8_t reserved2[268];
};

static_assert(sizeof(VtcHeader) == 848);
static_assert(offsetof(VtcHeader, numberOfVolumes) == 4);
static_assert(offsetof(VtcHeader, protocolFileName) == 324);
