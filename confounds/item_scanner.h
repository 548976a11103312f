// Splits a text file into the white-space-separated items of the SDM and RTC forms. The file is
// read in large blocks; line ends of either kind are white space like blanks and tabs.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

class ItemScanner {
 public:
  // Size of the blocks read, and the longest item taken: no key, name or number comes near it,
  // so a longer run of characters is damage, and memory stays bounded for any file.
  static constexpr std::size_t kBlockSize = 64 * 1024;
  static constexpr std::size_t kMaxItemLength = 64 * 1024;

  // Reads file from its current position; the caller keeps ownership and closes it.
  explicit ItemScanner(std::FILE* file);
  ItemScanner(const ItemScanner&) = delete;
  ItemScanner& operator=(const ItemScanner&) = delete;

  // The next token: a run of characters other than white space. False at the end of the input,
  // on a read error and for a token longer than kMaxItemLength. The view lasts until the next
  // call.
  bool nextToken(std::string_view& item);

  // The next name. One that begins with a double quote runs to its closing quote, white space
  // included, and on to the next white space; any other name is a token. Kept exactly as it
  // stood, quotes included. False as nextToken, and when a line ends or the input ends before
  // the closing quote. The view lasts until the next call.
  bool nextName(std::string_view& item);

  // The next character that is not white space; false at the end of the input or on an error.
  bool nextNonBlank(char& c);

  // For a reader that takes an item in place: skips white space and sets [begin, end) to the
  // bytes from the start of the next token to the end of the block read so far. False at the end
  // of the input or on a read error. The bytes last until the next call of any function.
  bool peek(const char*& begin, const char*& end);
  // True when a token that begins at the position peek gave ends at p, a position in the peeked
  // bytes or their end: p is at white space, or at the end of the input.
  bool tokenEndsAt(const char* p) const;
  // Moves on to p, a position in the peeked bytes or their end.
  void consumeTo(const char* p) { position_ = static_cast<std::size_t>(p - block_.data()); }

 private:
  bool skipWhiteSpace();
  bool refill();

  std::FILE* file_;
  std::vector<char> block_;
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
  bool exhausted_ = false;
  std::string spill_;  // an item that runs over the end of a block
};
