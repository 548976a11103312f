#include "confounds/confound_items.h"

#include <string_view>

#include "confounds/number_parse.h"

void skipTokenItem(ItemScanner& scanner) {
  std::string_view item;
  if (!scanner.nextToken(item)) throw DamagedFile();
}

std::int32_t readIntegerItem(ItemScanner& scanner) {
  std::string_view item;
  std::int32_t value = 0;
  if (!scanner.nextToken(item) || !parseInteger(item, value)) throw DamagedFile();
  return value;
}

double readNumberItem(ItemScanner& scanner) {
  const char* begin = nullptr;
  const char* end = nullptr;
  if (!scanner.peek(begin, end)) throw DamagedFile();
  double value = 0.0;
  // Nearly every number is a short decimal within the block: read it in place, in one pass.
  const char* stop = parseShortDecimalPrefix(begin, end, value);
  if (stop != nullptr && scanner.tokenEndsAt(stop)) {
    scanner.consumeTo(stop);
    return value;
  }
  std::string_view item;
  if (!scanner.nextToken(item) || !parseNumber(item, value)) throw DamagedFile();
  return value;
}

std::string readNameItem(ItemScanner& scanner) {
  std::string_view item;
  if (!scanner.nextName(item)) throw DamagedFile();
  return std::string(item);
}
