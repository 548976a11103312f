// A second, deliberately plain reading of the items of the SDM and RTC text forms, for checking
// the plug-in's readers against it: the whole input is in memory and read by index, with none of
// the block handling of the plug-in's scanner. Every read returns false where the plug-in's
// readers find damage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class ReferenceItems {
 public:
  // The longest item the plug-in takes; a longer one is damage.
  static constexpr std::size_t kMaxItemLength = 64 * 1024;

  explicit ReferenceItems(std::string_view text) : text_(text) {}

  // A run of characters other than white space.
  bool token(std::string_view& item);
  // A token that is wholly a 32-bit integer.
  bool integer(std::int32_t& value);
  // A token that is wholly a finite decimal number.
  bool number(double& value);
  // A name: a token, or from an opening double quote to the closing one (no line end between
  // them) and on to the next white space.
  bool name(std::string& item);
  // The next character that is not white space.
  bool nonBlank(char& c);

 private:
  void skipWhite();

  std::string_view text_;
  std::size_t at_ = 0;
};

bool isWhiteSpace(char c);
