#include "confounds/item_scanner.h"

#include <cstdint>

namespace {

// White space as in the classic locale: blank, tab, line feed, vertical tab, form feed and
// carriage return, as one bit each; every other byte, above the blank or not, is none.
constexpr std::uint64_t kWhiteSpaceBits = (std::uint64_t{1} << ' ') | (std::uint64_t{1} << '\t') |
                                          (std::uint64_t{1} << '\n') | (std::uint64_t{1} << '\v') |
                                          (std::uint64_t{1} << '\f') | (std::uint64_t{1} << '\r');

bool isWhite(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= ' ' && ((kWhiteSpaceBits >> byte) & 1) != 0;
}

// The first position from start on, before filled, whose byte is (white) white space, or filled.
std::size_t scanWhile(const char* data, std::size_t start, std::size_t filled, bool white) {
  while (start < filled && isWhite(data[start]) == white) ++start;
  return start;
}

bool isLineEnd(char c) {
  return c == '\n' || c == '\r';
}

}  // namespace

ItemScanner::ItemScanner(std::FILE* file) : file_(file), block_(kBlockSize) {}

bool ItemScanner::refill() {
  if (exhausted_) return false;
  position_ = 0;
  filled_ = std::fread(block_.data(), 1, block_.size(), file_);
  // A short read is the end of the file or a read error; either way nothing follows.
  if (filled_ < block_.size()) exhausted_ = true;
  return filled_ > 0;
}

bool ItemScanner::skipWhiteSpace() {
  for (;;) {
    position_ = scanWhile(block_.data(), position_, filled_, true);
    if (position_ < filled_) return true;
    if (!refill()) return false;
  }
}

bool ItemScanner::nextToken(std::string_view& item) {
  if (!skipWhiteSpace()) return false;
  std::size_t start = position_;
  position_ = scanWhile(block_.data(), position_, filled_, false);
  if (position_ < filled_ || exhausted_) {
    item = std::string_view(block_.data() + start, position_ - start);
    return true;
  }
  // The token runs on into the next block: collect it.
  spill_.assign(block_.data() + start, position_ - start);
  while (refill()) {
    position_ = scanWhile(block_.data(), position_, filled_, false);
    spill_.append(block_.data(), position_);
    if (spill_.size() > kMaxItemLength) return false;
    if (position_ < filled_) break;
  }
  item = spill_;
  return true;
}

bool ItemScanner::nextName(std::string_view& item) {
  if (!skipWhiteSpace()) return false;
  if (block_[position_] != '"') return nextToken(item);
  spill_.assign(1, '"');
  ++position_;
  bool closed = false;
  for (;;) {
    if (position_ == filled_ && !refill()) break;
    char c = block_[position_];
    if (!closed && isLineEnd(c)) return false;
    if (closed && isWhite(c)) break;
    spill_.push_back(c);
    ++position_;
    if (c == '"') closed = true;
    if (spill_.size() > kMaxItemLength) return false;
  }
  if (!closed) return false;
  item = spill_;
  return true;
}

bool ItemScanner::nextNonBlank(char& c) {
  if (!skipWhiteSpace()) return false;
  c = block_[position_++];
  return true;
}

bool ItemScanner::peek(const char*& begin, const char*& end) {
  if (!skipWhiteSpace()) return false;
  begin = block_.data() + position_;
  end = block_.data() + filled_;
  return true;
}

bool ItemScanner::tokenEndsAt(const char* p) const {
  const auto at = static_cast<std::size_t>(p - block_.data());
  return at < filled_ ? isWhite(block_[at]) : exhausted_;
}
