// Stimulation protocols (*.prt) as the stand-in host reads them.
//
// The text layout: header lines "Key: value" up to "NrOfConditions: N" (FileVersion,
// ResolutionOfTime Volumes or msec, Experiment, BackgroundColor, TextColor, TimeCourseColor,
// TimeCourseThick, ReferenceFuncColor, ReferenceFuncThick; colours as "r g b"), then per
// condition: its name on a line of its own (blanks inside allowed), the number of intervals,
// one "start end" line per interval and "Color: r g b". Blank lines may stand anywhere.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace standin {

enum class TimeUnit { Volumes, Milliseconds };

// Room the host's records give a text, NUL excluded; longer texts make a protocol damaged.
inline constexpr std::size_t kMaxConditionNameLength = 255;
inline constexpr std::size_t kMaxExperimentNameLength = 302;

struct Condition {
  std::string name;
  std::vector<std::int32_t> starts;  // interval i is starts[i]..ends[i], both included
  std::vector<std::int32_t> ends;
  std::int32_t color = 0;  // 0xRRGGBB
};

struct Protocol {
  std::int32_t fileVersion = 0;
  TimeUnit timeUnit = TimeUnit::Volumes;
  std::string experimentName;
  std::int32_t backgroundColor = 0x000000;
  std::int32_t textColor = 0xFFFFFF;
  std::int32_t timeCourseColor = 0xFFFFFF;
  std::int32_t timeCourseThickness = 2;
  std::int32_t referenceColor = 0xFFFF00;
  std::int32_t referenceThickness = 2;
  std::vector<Condition> conditions;
};

// Parses protocol text into protocol. False with error naming the line when the text is
// damaged: a header without NrOfConditions, a value that is not what its key needs, fewer or
// more conditions or intervals than declared, a negative or reversed interval, a colour
// component outside 0..255, a text too long for the host's records, or a NUL byte. On failure
// protocol is left unchanged.
bool parseProtocol(std::string_view text, Protocol& protocol, std::string& error);

// Reads and parses the protocol file at path; false with error set when it cannot be read or is
// damaged (protocol unchanged then).
bool readProtocolFile(const std::string& path, Protocol& protocol, std::string& error);

}  // namespace standin
