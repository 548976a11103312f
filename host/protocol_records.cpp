#include "host/protocol_records.h"

#include <algorithm>
#include <cstring>

namespace standin {
namespace {

// Copies text into a field of capacity bytes, cut so that the NUL always fits.
void copyText(const std::string& text, char* field, std::size_t capacity) {
  std::size_t length = std::min(text.size(), capacity - 1);
  std::memcpy(field, text.data(), length);
  field[length] = '\0';
}

}  // namespace

void fillProtocolInfo(const Protocol& protocol, const std::string& fileName, ProtocolInfo& record) {
  std::memset(&record, 0, sizeof record);
  record.nrOfConditions = static_cast<std::int32_t>(protocol.conditions.size());
  copyText(fileName, record.fileName, sizeof record.fileName);
  copyText(protocol.experimentName, record.experimentName, sizeof record.experimentName);
  record.timeResolution = protocol.timeUnit == TimeUnit::Volumes ? 1 : 0;
  record.backgroundColor = protocol.backgroundColor;
  record.textColor = protocol.textColor;
  record.timeCourseColor = protocol.timeCourseColor;
  record.timeCourseThickness = protocol.timeCourseThickness;
  record.referenceTimeCourseColor = protocol.referenceColor;
  record.referenceTimeCourseThickness = protocol.referenceThickness;
}

void fillProtocolCondition(const Condition& condition, ProtocolCondition& record) {
  std::memset(&record, 0, sizeof record);
  copyText(condition.name, record.name, sizeof record.name);
  record.nrOfIntervals = static_cast<std::int32_t>(condition.starts.size());
  record.intervalStarts = condition.starts.empty() ? nullptr : condition.starts.data();
  record.intervalEnds = condition.ends.empty() ? nullptr : condition.ends.data();
  record.color = condition.color;
}

}  // namespace standin
