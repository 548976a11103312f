#include "host/protocol_records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/host/protocol_fixtures.h"

namespace {

std::int32_t int32At(const unsigned char* bytes, std::size_t offset) {
  std::int32_t value;
  std::memcpy(&value, bytes + offset, sizeof value);
  return value;
}

std::string textAt(const unsigned char* bytes, std::size_t offset) {
  return reinterpret_cast<const char*>(bytes + offset);
}

standin::Protocol volumeProtocol() {
  standin::Protocol protocol;
  std::string error;
  EXPECT_TRUE(standin::parseProtocol(hosttest::kVolumeProtocol, protocol, error)) << error;
  return protocol;
}

TEST(ProtocolRecords, InfoFieldsLieAtTheirOffsets) {
  unsigned char bytes[596];
  std::memset(bytes, 0xAB, sizeof bytes);
  standin::fillProtocolInfo(volumeProtocol(), "task.prt",
                            *reinterpret_cast<standin::ProtocolInfo*>(bytes));

  EXPECT_EQ(int32At(bytes, 0), 2);
  EXPECT_EQ(textAt(bytes, 4), "task.prt");
  EXPECT_EQ(textAt(bytes, 265), "Faces and houses");
  EXPECT_EQ(int32At(bytes, 568), 1);
  EXPECT_EQ(int32At(bytes, 572), 0x000000);
  EXPECT_EQ(int32At(bytes, 576), 0xFFFFFF);
  EXPECT_EQ(int32At(bytes, 580), 0xFFFFFF);
  EXPECT_EQ(int32At(bytes, 584), 3);
  EXPECT_EQ(int32At(bytes, 588), 0xC0C0C0);
  EXPECT_EQ(int32At(bytes, 592), 2);
  // No byte keeps what stood there before: the rest of the text fields is zeroed.
  EXPECT_EQ(bytes[264], 0);
  EXPECT_EQ(bytes[567], 0);
}

TEST(ProtocolRecords, MsecProtocolReportsTimeResolutionOtherThanOne) {
  standin::Protocol protocol = volumeProtocol();
  protocol.timeUnit = standin::TimeUnit::Milliseconds;
  standin::ProtocolInfo info;
  standin::fillProtocolInfo(protocol, "task.prt", info);
  EXPECT_NE(info.timeResolution, 1);
}

TEST(ProtocolRecords, LongFileNameIsCutInsideItsField) {
  unsigned char bytes[596];
  std::memset(bytes, 0xAB, sizeof bytes);
  standin::fillProtocolInfo(volumeProtocol(), std::string(400, 'p'),
                            *reinterpret_cast<standin::ProtocolInfo*>(bytes));
  EXPECT_EQ(textAt(bytes, 4), std::string(260, 'p'));
  EXPECT_EQ(textAt(bytes, 265), "Faces and houses");
}

TEST(ProtocolRecords, ConditionFieldsLieAtTheirOffsetsAndPointIntoTheProtocol) {
  const standin::Protocol protocol = volumeProtocol();
  unsigned char bytes[288];
  std::memset(bytes, 0xAB, sizeof bytes);
  standin::fillProtocolCondition(protocol.conditions[0],
                                 *reinterpret_cast<standin::ProtocolCondition*>(bytes));

  EXPECT_EQ(textAt(bytes, 0), "Fixation");
  EXPECT_EQ(int32At(bytes, 256), 2);
  const std::int32_t* starts;
  const std::int32_t* ends;
  std::memcpy(&starts, bytes + 264, sizeof starts);
  std::memcpy(&ends, bytes + 272, sizeof ends);
  EXPECT_EQ(starts, protocol.conditions[0].starts.data());
  EXPECT_EQ(ends, protocol.conditions[0].ends.data());
  EXPECT_EQ(starts[1], 21);
  EXPECT_EQ(ends[1], 30);
  EXPECT_EQ(int32At(bytes, 280), 0x404040);
  EXPECT_EQ(int32At(bytes, 260), 0);
  EXPECT_EQ(int32At(bytes, 284), 0);
}

}  // namespace
