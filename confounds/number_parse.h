// Reading of the integers and numbers of the SDM and RTC text forms, independent of the process
// locale: the decimal separator is always the full stop.
#pragma once

#include <cstdint>
#include <string_view>

// True when text is wholly an integer (optional "+" or "-", decimal digits) that fits 32 bits;
// then value holds it. False otherwise, value unchanged.
bool parseInteger(std::string_view text, std::int32_t& value);

// True when text is wholly a finite decimal number (optional "+" or "-", digits with an optional
// fraction after a full stop, optional exponent) within the range of a double; then value holds
// it. False for anything else ("nan", "inf", hexadecimal, 1e400, trailing text), value unchanged.
bool parseNumber(std::string_view text, double& value);
