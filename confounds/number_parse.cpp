#include "confounds/number_parse.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

// from_chars takes a leading "-" but no "+": drop one "+", and refuse a second sign after it.
bool stripPlus(std::string_view& text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) return false;
  }
  return !text.empty();
}

}  // namespace

bool parseInteger(std::string_view text, std::int32_t& value) {
  if (!stripPlus(text)) return false;
  std::int32_t parsed = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  value = parsed;
  return true;
}

bool parseNumber(std::string_view text, double& value) {
  if (!stripPlus(text)) return false;
  double parsed = 0.0;
  auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), parsed, std::chars_format::general);
  // from_chars also takes "nan" and "inf"; only finite values are numbers of the text forms.
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(parsed)) {
    return false;
  }
  value = parsed;
  return true;
}
