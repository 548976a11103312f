// The records in which the host hands the current protocol to a plug-in, at their fixed byte
// layouts (64-bit, little-endian integers), and how they are filled from a protocol.
#pragma once

#include <string>

#include "design/protocol_records.h"
#include "host/protocol_file.h"

namespace standin {

// The records' layouts are the host's boundary format, shared with the plug-in's definition.
using ::ProtocolCondition;
using ::ProtocolInfo;

// Fills every byte of record from protocol; fileName is cut to its field should it not fit.
void fillProtocolInfo(const Protocol& protocol, const std::string& fileName, ProtocolInfo& record);

// Fills every byte of record from condition. The interval pointers point into condition and
// stay valid as long as it does (null for a condition without intervals).
void fillProtocolCondition(const Condition& condition, ProtocolCondition& record);

}  // namespace standin
