#include "fuzz/reference_items.h"

#include "confounds/number_parse.h"

bool isWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

void ReferenceItems::skipWhite() {
  while (at_ < text_.size() && isWhiteSpace(text_[at_])) ++at_;
}

bool ReferenceItems::token(std::string_view& item) {
  skipWhite();
  if (at_ >= text_.size()) return false;
  const std::size_t start = at_;
  while (at_ < text_.size() && !isWhiteSpace(text_[at_])) ++at_;
  item = text_.substr(start, at_ - start);
  return item.size() <= kMaxItemLength;
}

bool ReferenceItems::integer(std::int32_t& value) {
  std::string_view item;
  return token(item) && parseInteger(item, value);
}

bool ReferenceItems::number(double& value) {
  std::string_view item;
  return token(item) && parseNumber(item, value);
}

bool ReferenceItems::name(std::string& item) {
  skipWhite();
  if (at_ >= text_.size()) return false;
  if (text_[at_] != '"') {
    std::string_view plain;
    if (!token(plain)) return false;
    item.assign(plain);
    return true;
  }
  const std::size_t start = at_;
  const std::size_t close = text_.find('"', start + 1);
  if (close == std::string_view::npos) return false;
  const std::size_t lineEnd = text_.find_first_of("\r\n", start + 1);
  if (lineEnd != std::string_view::npos && lineEnd < close) return false;
  at_ = close + 1;
  while (at_ < text_.size() && !isWhiteSpace(text_[at_])) ++at_;
  item.assign(text_.substr(start, at_ - start));
  return item.size() <= kMaxItemLength;
}

bool ReferenceItems::nonBlank(char& c) {
  skipWhite();
  if (at_ >= text_.size()) return false;
  c = text_[at_++];
  return true;
}
