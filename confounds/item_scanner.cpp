#include "confounds/item_scanner.h"

namespace {

// White space as in the classic locale.
bool isWhite(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
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
    while (position_ < filled_ && isWhite(block_[position_])) ++position_;
    if (position_ < filled_) return true;
    if (!refill()) return false;
  }
}

bool ItemScanner::nextToken(std::string_view& item) {
  if (!skipWhiteSpace()) return false;
  std::size_t start = position_;
  while (position_ < filled_ && !isWhite(block_[position_])) ++position_;
  if (position_ < filled_ || exhausted_) {
    item = std::string_view(block_.data() + start, position_ - start);
    return true;
  }
  // The token runs on into the next block: collect it.
  spill_.assign(block_.data() + start, position_ - start);
  while (refill()) {
    while (position_ < filled_ && !isWhite(block_[position_])) ++position_;
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
