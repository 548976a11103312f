#include "batch/file_list.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "plugin/host_services.h"

namespace {

// The longest entry: entries are handed on in 512-byte path buffers.
constexpr std::size_t kMaxEntryLength = kPathSize - 1;

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The whole file, or false when it cannot be opened or read (a folder, an I/O error).
bool readWholeFile(const char* path, std::string& content) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return false;
  char block[65536];
  std::size_t count;
  while ((count = std::fread(block, 1, sizeof block, file)) > 0) content.append(block, count);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  return !failed;
}

class ListReader {
 public:
  explicit ListReader(const std::string& text) : text_(text) {}

  // The declared count: a decimal integer with an optional sign after leading white space, 0
  // when there is none (nothing is consumed then). Saturates at the int range.
  int declaredCount() {
    skipBlanks();
    std::size_t p = pos_;
    bool negative = false;
    if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) negative = text_[p++] == '-';
    if (p >= text_.size() || text_[p] < '0' || text_[p] > '9') return 0;
    long long value = 0;
    for (; p < text_.size() && text_[p] >= '0' && text_[p] <= '9'; ++p) {
      if (value <= INT_MAX) value = value * 10 + (text_[p] - '0');
    }
    pos_ = p;
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
  }

  // The next word, quoted or not; false at the end of the text.
  bool nextWord(std::string& word) {
    skipBlanks();
    if (pos_ >= text_.size()) return false;
    if (text_[pos_] == '"') {
      std::size_t start = pos_ + 1;
      std::size_t end = text_.find_first_of("\"\n", start);
      if (end == std::string::npos) end = text_.size();
      word.assign(text_, start, end - start);
      // A line end without a closing quote ends the word; a carriage return before it is no
      // part of the path.
      if (end < text_.size() && text_[end] == '\n' && !word.empty() && word.back() == '\r') {
        word.pop_back();
      }
      pos_ = end < text_.size() ? end + 1 : end;
      return true;
    }
    std::size_t start = pos_;
    while (pos_ < text_.size() && !isBlank(text_[pos_])) ++pos_;
    word.assign(text_, start, pos_ - start);
    return true;
  }

 private:
  void skipBlanks() {
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
  }

  const std::string& text_;
  std::size_t pos_ = 0;
};

}  // namespace

bool readFileList(const char* path, int& declaredCount, std::vector<std::string>& entries) {
  std::string content;
  if (path == nullptr || !readWholeFile(path, content)) {
    logFormatted<kDriverLineSize>("Unable to open the file list: %s", {path});
    return false;
  }
  ListReader reader(content);
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
