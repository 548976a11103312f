#include "host/vtc_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "host/documents.h"
#include "tests/host/host_test_support.h"

namespace {

using standin::VtcFile;

std::string headerBytes(const standin::VtcHeaderBytes& header) {
  return std::string(reinterpret_cast<const char*>(header.data()), header.size());
}

TEST(VtcFile, HeaderFieldsLieAtTheirOffsetsLittleEndian) {
  standin::VtcHeaderBytes header = standin::makeVtcHeader(0x01020304, 2000.0f);
  EXPECT_EQ(std::memcmp(header.data(), "SVT1", 4), 0);
  EXPECT_EQ(header[4], 0x04);
  EXPECT_EQ(header[7], 0x01);
  // 2000.0f is 0x44FA0000.
  EXPECT_EQ(header[10], 0xFA);
  EXPECT_EQ(header[11], 0x44);
  EXPECT_EQ(standin::vtcRepetitionTime(header), 2000.0f);
  EXPECT_EQ(standin::vtcProtocolName(header), "");
}

TEST(VtcFile, WritesAndReadsBackHeaderAndData) {
  hosttest::Folder folder;
  VtcFile vtc;
  vtc.header = standin::makeVtcHeader(150, 1500.0f);
  std::memcpy(vtc.header.data() + standin::kVtcProtocolNameOffset, "task.prt", 9);
  vtc.header[600] = 0x5A;  // a byte the stand-in does not interpret
  vtc.data = std::string("\x00\x01voxels\xff", 9);
  std::string error;
  ASSERT_TRUE(standin::writeVtcFile(folder.file("run.vtc"), vtc, error)) << error;
  EXPECT_EQ(std::filesystem::file_size(folder.file("run.vtc")), 848u + 9u);

  VtcFile read;
  ASSERT_TRUE(standin::readVtcFile(folder.file("run.vtc"), read, error)) << error;
  EXPECT_EQ(read.header, vtc.header);
  EXPECT_EQ(read.data, vtc.data);
  EXPECT_EQ(standin::vtcVolumes(read.header), 150);
  EXPECT_EQ(standin::vtcProtocolName(read.header), "task.prt");
}

TEST(VtcFile, RefusesFilesThatAreNotVtcsOfTheStandIn) {
  hosttest::Folder folder;
  const std::string good = headerBytes(standin::makeVtcHeader(10, 2000.0f));
  auto patched = [&](std::size_t offset, const std::string& bytes) {
    std::string text = good;
    text.replace(offset, bytes.size(), bytes);
    return text;
  };
  const float notANumber = std::nanf("");
  std::string nanBytes(4, '\0');
  std::memcpy(nanBytes.data(), &notANumber, 4);
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"shorter than a header", good.substr(0, 847)},
      {"other magic", patched(0, "SVT2")},
      {"negative volumes", patched(4, "\xff\xff\xff\xff")},
      {"too many volumes", patched(4, std::string("\xa1\x86\x01\x00", 4))},
      {"repetition time 0", patched(8, std::string(4, '\0'))},
      {"repetition time not a number", patched(8, nanBytes)},
      {"protocol name without NUL", patched(324, std::string(256, 'p'))},
  };
  VtcFile vtc;
  std::string error;
  for (const auto& [what, bytes] : cases) {
    EXPECT_FALSE(standin::readVtcFile(folder.write("bad.vtc", bytes), vtc, error)) << what;
  }
  EXPECT_FALSE(standin::readVtcFile(folder.file("missing.vtc"), vtc, error));
  EXPECT_TRUE(standin::readVtcFile(folder.write("good.vtc", good), vtc, error)) << error;
}

int makeVtc(std::vector<std::string> words) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  return standin::makeVtcCommand(static_cast<int>(argv.size()), argv.data());
}

TEST(MakeVtc, WritesAReadableVtc) {
  hosttest::QuietHost host;
  hosttest::Folder folder;
  const std::string out = folder.file("run1.vtc");
  ASSERT_EQ(makeVtc({"--volumes", "180", "--tr", "2000", out}), 0);
  VtcFile vtc;
  std::string error;
  ASSERT_TRUE(standin::readVtcFile(out, vtc, error)) << error;
  EXPECT_EQ(standin::vtcVolumes(vtc.header), 180);
  EXPECT_EQ(standin::vtcRepetitionTime(vtc.header), 2000.0f);
  EXPECT_LT(vtc.data.size(), 64u);
}

TEST(MakeVtc, RefusesBadCommandLinesAndWritesNothing) {
  hosttest::QuietHost host;
  hosttest::Folder folder;
  const std::string out = folder.file("run1.vtc");
  const std::vector<std::vector<std::string>> cases = {
      {"--tr", "2000", out},
      {"--volumes", "120", out},
      {"--volumes", "120", "--tr", "2000"},
      {"--volumes", "12x", "--tr", "2000", out},
      {"--volumes", "-3", "--tr", "2000", out},
      {"--volumes", "120", "--tr", "-2000", out},
      {"--volumes", "120", "--tr", "2000", "--colour", out},
      {"--volumes", "120", "--tr", "2000", out, out},
      {"--volumes"},
  };
  testing::internal::CaptureStderr();
  for (const auto& words : cases) {
    EXPECT_EQ(makeVtc(words), 1) << words.size() << " words";
  }
  testing::internal::GetCapturedStderr();
  EXPECT_FALSE(std::filesystem::exists(out));
  testing::internal::CaptureStderr();
  EXPECT_EQ(makeVtc({"--volumes", "10", "--tr", "2000", folder.file("missing/run1.vtc")}), 2);
  testing::internal::GetCapturedStderr();
}

}  // namespace
