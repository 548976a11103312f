#include "host/vtc_file.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <fstream>

#include "host/atomic_file.h"

namespace standin {
namespace {

constexpr unsigned char kMagic[4] = {'S', 'V', 'T', '1'};

// Larger files are not read whole; the stand-in's own VTCs carry only a few bytes of data.
constexpr std::uintmax_t kMaxVtcFileSize = 64u * 1024u * 1024u;

std::uint32_t loadLittleEndian(const VtcHeaderBytes& header, std::size_t offset) {
  return static_cast<std::uint32_t>(header[offset]) |
         static_cast<std::uint32_t>(header[offset + 1]) << 8 |
         static_cast<std::uint32_t>(header[offset + 2]) << 16 |
         static_cast<std::uint32_t>(header[offset + 3]) << 24;
}

void storeLittleEndian(VtcHeaderBytes& header, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) {
    header[offset + i] = static_cast<unsigned char>(value >> (8 * i));
  }
}

}  // namespace

VtcHeaderBytes makeVtcHeader(std::int32_t volumes, float repetitionTimeMs) {
  VtcHeaderBytes header{};
  std::memcpy(header.data(), kMagic, sizeof kMagic);
  storeLittleEndian(header, kVtcVolumesOffset, static_cast<std::uint32_t>(volumes));
  storeLittleEndian(header, kVtcRepetitionTimeOffset,
                    std::bit_cast<std::uint32_t>(repetitionTimeMs));
  return header;
}

std::int32_t vtcVolumes(const VtcHeaderBytes& header) {
  return static_cast<std::int32_t>(loadLittleEndian(header, kVtcVolumesOffset));
}

float vtcRepetitionTime(const VtcHeaderBytes& header) {
  return std::bit_cast<float>(loadLittleEndian(header, kVtcRepetitionTimeOffset));
}

std::string vtcProtocolName(const VtcHeaderBytes& header) {
  const char* field = reinterpret_cast<const char*>(header.data() + kVtcProtocolNameOffset);
  const void* end = std::memchr(field, '\0', kVtcProtocolNameCapacity);
  if (end == nullptr) return "";
  return std::string(field, static_cast<const char*>(end));
}

bool checkVtcHeader(const VtcHeaderBytes& header, std::string& error) {
  if (std::memcmp(header.data(), kMagic, sizeof kMagic) != 0) {
    error = "not a VTC of the stand-in host";
    return false;
  }
  std::int32_t volumes = vtcVolumes(header);
  if (volumes < 0 || volumes > kMaxVtcVolumes) {
    error = "number of volumes out of range: " + std::to_string(volumes);
    return false;
  }
  float repetitionTime = vtcRepetitionTime(header);
  if (!std::isfinite(repetitionTime) || repetitionTime <= 0.0f ||
      repetitionTime > kMaxRepetitionTimeMs) {
    error = "repetition time out of range";
    return false;
  }
  if (std::memchr(header.data() + kVtcProtocolNameOffset, '\0', kVtcProtocolNameCapacity) ==
      nullptr) {
    error = "protocol file name not terminated";
    return false;
  }
  return true;
}

bool readVtcFile(const std::string& path, VtcFile& vtc, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path;
    return false;
  }
  VtcFile read;
  in.read(reinterpret_cast<char*>(read.header.data()), kVtcHeaderSize);
  if (in.gcount() != static_cast<std::streamsize>(kVtcHeaderSize)) {
    error = path + " is shorter than a VTC header";
    return false;
  }
  if (!checkVtcHeader(read.header, error)) {
    error = path + ": " + error;
    return false;
  }
  while (read.data.size() <= kMaxVtcFileSize) {
    char chunk[4096];
    in.read(chunk, sizeof chunk);
    read.data.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (!in) break;
  }
  if (read.data.size() > kMaxVtcFileSize) {
    error = path + " is too large for the stand-in host";
    return false;
  }
  if (in.bad()) {
    error = "cannot read " + path;
    return false;
  }
  vtc = std::move(read);
  return true;
}

bool writeVtcFile(const std::string& path, const VtcFile& vtc, std::string& error) {
  std::string bytes(reinterpret_cast<const char*>(vtc.header.data()), kVtcHeaderSize);
  bytes += vtc.data;
  return writeFileAtomically(path, bytes, error);
}

}  // namespace standin
