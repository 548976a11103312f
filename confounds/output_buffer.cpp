#include "confounds/output_buffer.h"

#include <cstring>

#include "confounds/number_format.h"

OutputBuffer::OutputBuffer(std::FILE* file) : file_(file), buffer_(kSize) {}

bool OutputBuffer::flush() {
  if (used_ > 0 && !failed_) {
    if (std::fwrite(buffer_.data(), 1, used_, file_) != used_) failed_ = true;
  }
  used_ = 0;
  return !failed_;
}

bool OutputBuffer::makeRoom(std::size_t count) {
  if (buffer_.size() - used_ >= count) return true;
  flush();
  return buffer_.size() >= count;
}

void OutputBuffer::text(std::string_view text) {
  if (makeRoom(text.size())) {
    std::memcpy(buffer_.data() + used_, text.data(), text.size());
    used_ += text.size();
    return;
  }
  // Longer than the whole buffer: straight to the file, after what is buffered.
  if (!failed_ && std::fwrite(text.data(), 1, text.size(), file_) != text.size()) failed_ = true;
}

void OutputBuffer::character(char c) {
  makeRoom(1);
  buffer_[used_++] = c;
}

void OutputBuffer::integer(long long value) {
  compose(writeInteger, value);
}

void OutputBuffer::defaultNumber(double value) {
  compose(writeDefaultNumber, value);
}

void OutputBuffer::fixedNumber(double value) {
  compose(writeFixedNumber, value);
}

template <typename Value>
void OutputBuffer::compose(char* (*write)(char*, char*, Value), Value value) {
  makeRoom(kMaxNumberText);
  char* begin = buffer_.data() + used_;
  char* end = write(begin, buffer_.data() + buffer_.size(), value);
  if (end == nullptr) {
    failed_ = true;
    return;
  }
  used_ += static_cast<std::size_t>(end - begin);
}
