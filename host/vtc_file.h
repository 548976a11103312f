// The stand-in's own VTC file: an 848-byte header record followed by data that the stand-in
// carries along but never interprets.
//
// Header layout (integers and floats little-endian):
//   0..3     magic "SVT1" (stand-in VTC, layout 1); any other file is refused
//   4..7     int32 number of volumes, 0..kMaxVtcVolumes
//   8..11    float32 repetition time in ms, above 0 and at most kMaxRepetitionTimeMs
//   324..579 protocol file name, NUL-terminated, 256 bytes with the NUL
//   every other byte is kept as found and written back unchanged
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace standin {

inline constexpr std::size_t kVtcHeaderSize = 848;
inline constexpr std::size_t kVtcVolumesOffset = 4;
inline constexpr std::size_t kVtcRepetitionTimeOffset = 8;
inline constexpr std::size_t kVtcProtocolNameOffset = 324;
inline constexpr std::size_t kVtcProtocolNameCapacity = 256;
inline constexpr std::int32_t kMaxVtcVolumes = 100000;
inline constexpr float kMaxRepetitionTimeMs = 60000.0f;

using VtcHeaderBytes = std::array<unsigned char, kVtcHeaderSize>;

struct VtcFile {
  VtcHeaderBytes header{};
  std::string data;  // the bytes after the header, as read
};

// A fresh header: magic, volumes, repetition time, no protocol name, every other byte 0. The
// values are stored as given; checkVtcHeader tells whether they are acceptable.
VtcHeaderBytes makeVtcHeader(std::int32_t volumes, float repetitionTimeMs);

std::int32_t vtcVolumes(const VtcHeaderBytes& header);
float vtcRepetitionTime(const VtcHeaderBytes& header);

// The protocol file name; empty when the field holds no NUL within its capacity.
std::string vtcProtocolName(const VtcHeaderBytes& header);

// True when the header has the magic, a volume count and a repetition time in range and a
// NUL-terminated protocol name; otherwise false with error saying what is wrong.
bool checkVtcHeader(const VtcHeaderBytes& header, std::string& error);

// Reads a VTC file whose header passes checkVtcHeader; false with error set otherwise (the file
// is missing, shorter than a header, of another kind or damaged).
bool readVtcFile(const std::string& path, VtcFile& vtc, std::string& error);

// Writes header and data to path, complete or not at all; false with error set on failure.
bool writeVtcFile(const std::string& path, const VtcFile& vtc, std::string& error);

}  // namespace standin
