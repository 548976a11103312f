#include "batch/file_list.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "plugin/host_services.h"

namespace {

// The longest entry: entries are handed on in 512-byte path buffers.
constexpr std::size_t kMaxEntryLength = kPathSize - 1;

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Reads the file list in blocks, only as far as the list goes, and keeps no more of a word than
// tells that it is too long: a file picked by mistake (a data file of gigabytes) costs neither
// its size in memory nor a read to its end, since such a file soon holds a one-character word.
class ListReader {
 public:
  explicit ListReader(std::FILE* file) : file_(file), block_(kBlockSize) {}

  // Reads the first block. False when the file cannot be read (a folder, an I/O error).
  bool start() {
    peek();
    return !failed_;
  }

  // True once a read of the file failed; the text then ends where the failure came.
  bool failed() const { return failed_; }

  // The declared count: a decimal integer with an optional sign after leading white space, 0
  // when there is none (nothing is consumed then). Saturates at the int range.
  int declaredCount() {
    skipBlanks();
    bool negative = false;
    std::size_t ahead = 0;
    if (peek() == '+' || peek() == '-') {
      negative = peek() == '-';
      ahead = 1;
    }
    if (!isDigit(peek(ahead))) return 0;
    if (ahead > 0) advance();
    long long value = 0;
    for (; isDigit(peek()); advance()) {
      if (value <= INT_MAX) value = value * 10 + (peek() - '0');
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
  }

  // The next word, quoted or not; false at the end of the text. Of a word longer than
  // kMaxEntryLength, more than kMaxEntryLength characters are kept but not all.
  bool nextWord(std::string& word) {
    skipBlanks();
    if (peek() < 0) return false;
    word.clear();
    std::size_t length = 0;
    if (peek() == '"') {
      advance();
      int c;
      for (; (c = peek()) >= 0 && c != '"' && c != '\n'; advance()) keep(word, length, c);
      if (c >= 0) advance();
      // A line end without a closing quote ends the word; a carriage return before it is no
      // part of the path.
      if (c == '\n' && length == word.size() && !word.empty() && word.back() == '\r') {
        word.pop_back();
      }
      return true;
    }
    for (int c; (c = peek()) >= 0 && !isBlank(static_cast<char>(c)); advance()) {
      keep(word, length, c);
    }
    return true;
  }

 private:
  static constexpr std::size_t kBlockSize = 64 * 1024;
  // Room for a word of kMaxEntryLength characters, one over, and a carriage return to drop.
  static constexpr std::size_t kKeptLength = kMaxEntryLength + 2;

  static bool isDigit(int c) { return c >= '0' && c <= '9'; }

  static void keep(std::string& word, std::size_t& length, int c) {
    if (word.size() < kKeptLength) word.push_back(static_cast<char>(c));
    ++length;
  }

  // The character ahead characters after the current one, or -1 after the end of the text.
  int peek(std::size_t ahead = 0) {
    if (position_ + ahead >= filled_ && !fill(ahead)) return -1;
    return static_cast<unsigned char>(block_[position_ + ahead]);
  }

  void advance() { ++position_; }

  // Reads on until the block holds the character ahead characters after the current one.
  bool fill(std::size_t ahead) {
    filled_ -= position_;
    std::memmove(block_.data(), block_.data() + position_, filled_);
    position_ = 0;
    while (!ended_ && filled_ <= ahead) {
      const std::size_t count =
          std::fread(block_.data() + filled_, 1, block_.size() - filled_, file_);
      filled_ += count;
      if (count == 0) {
        ended_ = true;
        failed_ = std::ferror(file_) != 0;
      }
    }
    return filled_ > ahead;
  }

  void skipBlanks() {
    for (int c; (c = peek()) >= 0 && isBlank(static_cast<char>(c));) advance();
  }

  std::FILE* file_;
  std::vector<char> block_;
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
  bool ended_ = false;
  bool failed_ = false;
};

}  // namespace

bool readFileList(const char* path, int& declaredCount, std::vector<std::string>& entries) {
  std::unique_ptr<std::FILE, FileCloser> file(path != nullptr ? std::fopen(path, "rb") : nullptr);
  ListReader reader(file.get());
  if (file == nullptr || !reader.start()) {
    logFormatted<kDriverLineSize>("Unable to open the file list: %s", {path});
    return false;
  }
  declaredCount = reader.declaredCount();
  logFormatted<kDriverLineSize>("Number of PRT-VTC pairs: %d", {declaredCount});
  logText("Reading filenames...");

  std::string word;
  while (true) {
    if (!reader.nextWord(word)) {
      logText("^");
      break;
    }
    if (word.size() > kMaxEntryLength) {
      // A cut path would name another file.
      logText("Entry too long (more than 511 characters), skipped.");
      continue;
    }
    if (word.size() >= 2 && word.find('\0') != std::string::npos) {
      // The host would be handed the text before the NUL, another path than the one classified.
      logText("Entry holds a NUL character, skipped.");
      continue;
    }
    logText(word.c_str());
    if (word.size() < 2) break;
    entries.push_back(word);
  }
  if (reader.failed()) {
    // A list read only in part would leave out groups without a word of it.
    entries.clear();
    logFormatted<kDriverLineSize>("Unable to open the file list: %s", {path});
    return false;
  }
  return true;
}

ListEntryKind classifyListEntry(std::string entry) {
  struct Mark {
    const char* text;
    ListEntryKind kind;
  };
  static constexpr Mark kMarks[] = {{".prt", ProtocolEntry},
                                    {".vtc", VtcEntry},
                                    {"_3DMC", MotionEntry},
                                    {"_HR", HeartRateEntry},
                                    {"_RVT", RespirationEntry}};
  for (const Mark& mark : kMarks) {
    if (entry.find(mark.text) != std::string::npos) return mark.kind;
  }
  return OtherEntry;
}
