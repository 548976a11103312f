// Text output to a file through a large buffer: numbers are composed in place, locale-free, and
// room is checked before every write.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>
#include <vector>

// The line end of text files on this platform.
#ifdef _WIN32
inline constexpr std::string_view kLineEnd = "\r\n";
#else
inline constexpr std::string_view kLineEnd = "\n";
#endif

class OutputBuffer {
 public:
  static constexpr std::size_t kSize = 64 * 1024;

  // Writes to file, which the caller keeps open until after the last flush and closes.
  explicit OutputBuffer(std::FILE* file);
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;

  void text(std::string_view text);
  void character(char c);
  void integer(long long value);
  void defaultNumber(double value);  // as "%g"
  void fixedNumber(double value);    // as "%4.6lf"
  void lineEnd() { text(kLineEnd); }

  // Hands the buffered text to the file. False once any write to the file has failed.
  bool flush();

  // True once a write to the file has failed; later text is dropped.
  bool failed() const { return failed_; }

 private:
  // Makes room for count bytes, flushing when needed; false when the buffer cannot hold them.
  bool makeRoom(std::size_t count);
  // Composes value in place with write, which returns the end of the text or null.
  template <typename Value>
  void compose(char* (*write)(char*, char*, Value), Value value);

  std::FILE* file_;
  std::vector<char> buffer_;
  std::size_t used_ = 0;
  bool failed_ = false;
};
