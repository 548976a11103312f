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

// The numbers of the text forms are short decimals: "-0.013872", "66.229394", "0.12345679". When
// [begin, end) begins with "-"?digits("."digits)?(("e"|"E")("+"|"-")?digits)?, at least one and
// at most 19 digits before the exponent, whose digits make an integer of at most 2^53 and whose
// power of ten is at most 22 either way, that number is one exact integer multiplied or divided
// by one exact power of ten: a single IEEE operation, which rounds correctly, so the value is the
// one parseNumber gives for that text. Then value holds it and the end of its text is returned
// (the caller checks that the token ends there). Otherwise null, value unchanged: the caller
// takes the whole token to parseNumber.
const char* parseShortDecimalPrefix(const char* begin, const char* end, double& value);
