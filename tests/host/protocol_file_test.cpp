#include "host/protocol_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/host/host_test_support.h"
#include "tests/host/protocol_fixtures.h"

namespace {

using standin::Protocol;
using standin::TimeUnit;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  std::size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string withLineEnds(const std::string& text, const std::string& lineEnd) {
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += lineEnd;
    } else {
      out += c;
    }
  }
  return out;
}

TEST(ProtocolFile, ReadsHeaderAndConditionsInVolumes) {
  Protocol protocol;
  std::string error;
  ASSERT_TRUE(standin::parseProtocol(hosttest::kVolumeProtocol, protocol, error)) << error;

  EXPECT_EQ(protocol.fileVersion, 2);
  EXPECT_EQ(protocol.timeUnit, TimeUnit::Volumes);
  EXPECT_EQ(protocol.experimentName, "Faces and houses");
  EXPECT_EQ(protocol.backgroundColor, 0x000000);
  EXPECT_EQ(protocol.textColor, 0xFFFFFF);
  EXPECT_EQ(protocol.timeCourseThickness, 3);
  EXPECT_EQ(protocol.referenceColor, 0xC0C0C0);
  EXPECT_EQ(protocol.referenceThickness, 2);
  ASSERT_EQ(protocol.conditions.size(), 2u);

  EXPECT_EQ(protocol.conditions[0].name, "Fixation");
  EXPECT_EQ(protocol.conditions[0].starts, (std::vector<std::int32_t>{1, 21}));
  EXPECT_EQ(protocol.conditions[0].ends, (std::vector<std::int32_t>{10, 30}));
  EXPECT_EQ(protocol.conditions[0].color, 0x404040);
  EXPECT_EQ(protocol.conditions[1].name, "Face trials");
  EXPECT_EQ(protocol.conditions[1].starts, (std::vector<std::int32_t>{11}));
  EXPECT_EQ(protocol.conditions[1].ends, (std::vector<std::int32_t>{20}));
  EXPECT_EQ(protocol.conditions[1].color, 0xFF0000);
}

TEST(ProtocolFile, ReadsMsecAndConditionsWithoutIntervals) {
  Protocol protocol;
  std::string error;
  ASSERT_TRUE(standin::parseProtocol(hosttest::kMsecProtocol, protocol, error)) << error;
  EXPECT_EQ(protocol.timeUnit, TimeUnit::Milliseconds);
  EXPECT_EQ(protocol.conditions[0].ends, (std::vector<std::int32_t>{19999, 59999}));

  std::string empty = replaced(hosttest::kMsecProtocol, "1\n20000 39999\n", "0\n");
  ASSERT_TRUE(standin::parseProtocol(empty, protocol, error)) << error;
  EXPECT_TRUE(protocol.conditions[1].starts.empty());
  EXPECT_EQ(protocol.conditions[1].color, 0xFF0000);
}

TEST(ProtocolFile, LineEndsByteOrderMarkAndBlankLinesReadTheSame) {
  Protocol reference;
  std::string error;
  ASSERT_TRUE(standin::parseProtocol(hosttest::kVolumeProtocol, reference, error));
  const std::vector<std::string> variants = {
      withLineEnds(hosttest::kVolumeProtocol, "\r\n"),
      withLineEnds(hosttest::kVolumeProtocol, "\r"),
      withLineEnds(hosttest::kVolumeProtocol, "\n \t\n"),
      "\xEF\xBB\xBF" + hosttest::kVolumeProtocol,
  };
  for (const std::string& text : variants) {
    Protocol protocol;
    ASSERT_TRUE(standin::parseProtocol(text, protocol, error)) << error;
    ASSERT_EQ(protocol.conditions.size(), 2u);
    EXPECT_EQ(protocol.conditions[1].name, "Face trials");
    EXPECT_EQ(protocol.conditions[0].ends, reference.conditions[0].ends);
    EXPECT_EQ(protocol.experimentName, reference.experimentName);
  }
}

struct DamagedCase {
  const char* what;
  std::string text;
};

TEST(ProtocolFile, RefusesDamagedTextsAndKeepsTheProtocol) {
  const std::string& good = hosttest::kVolumeProtocol;
  const std::vector<DamagedCase> cases = {
      {"empty", ""},
      {"binary", std::string("\x01\x02\xff\xfe garbage", 13)},
      {"NUL byte", replaced(good, "Fixation", std::string("Fixa\0tion", 9))},
      {"no NrOfConditions", good.substr(0, good.find("NrOfConditions"))},
      {"header line without colon", replaced(good, "FileVersion:", "FileVersion")},
      {"unknown time unit", replaced(good, "Volumes", "seconds")},
      {"colour component above 255",
       replaced(good, "BackgroundColor:    0 0 0", "BackgroundColor: 0 0 256")},
      {"colour with two components", replaced(good, "Color: 255 0 0", "Color: 255 0")},
      {"negative condition count", replaced(good, "NrOfConditions:  2", "NrOfConditions: -1")},
      {"more conditions declared", replaced(good, "NrOfConditions:  2", "NrOfConditions: 3")},
      {"huge condition count", replaced(good, "NrOfConditions:  2", "NrOfConditions: 2147483647")},
      {"fewer conditions declared", replaced(good, "NrOfConditions:  2", "NrOfConditions: 1")},
      {"interval count not a number", replaced(good, "Fixation\n2\n", "Fixation\ntwo\n")},
      {"fewer intervals than declared", replaced(good, "Fixation\n2\n", "Fixation\n3\n")},
      {"interval with one number", replaced(good, "11  20", "11")},
      {"interval with three numbers", replaced(good, "11  20", "11 20 30")},
      {"reversed interval", replaced(good, "11  20", "20  11")},
      {"negative interval", replaced(good, " 1  10", "-1  10")},
      {"missing colour line", replaced(good, "Color: 64 64 64\n", "")},
      {"cut in an interval list", good.substr(0, good.find("21  30"))},
      {"condition name too long", replaced(good, "Fixation", std::string(256, 'x'))},
      {"experiment name too long", replaced(good, "Faces and houses", std::string(303, 'x'))},
  };
  for (const DamagedCase& damaged : cases) {
    Protocol protocol;
    protocol.experimentName = "untouched";
    std::string error;
    EXPECT_FALSE(standin::parseProtocol(damaged.text, protocol, error)) << damaged.what;
    EXPECT_FALSE(error.empty()) << damaged.what;
    EXPECT_EQ(protocol.experimentName, "untouched") << damaged.what;
  }
}

TEST(ProtocolFile, ReadsFilesAndRefusesMissingOnes) {
  hosttest::Folder folder;
  Protocol protocol;
  std::string error;
  ASSERT_TRUE(
      standin::readProtocolFile(folder.write("task.prt", hosttest::kMsecProtocol), protocol, error))
      << error;
  EXPECT_EQ(protocol.conditions.size(), 2u);
  EXPECT_FALSE(standin::readProtocolFile(folder.file("missing.prt"), protocol, error));
  EXPECT_NE(error.find("missing.prt"), std::string::npos);
  EXPECT_FALSE(standin::readProtocolFile(folder.path().string(), protocol, error));
}

}  // namespace
