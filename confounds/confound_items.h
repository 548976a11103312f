// Item readers for the SDM and RTC forms that stop at damage: each throws DamagedFile when the
// input ends before the item, or the item is not what its place calls for.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

#include "confounds/item_scanner.h"

// A file that ends early or holds an item that does not fit its place.
class DamagedFile : public std::exception {
 public:
  const char* what() const noexcept override { return "damaged SDM or RTC file"; }
};

// Passes over one token (a key, or a text value that is not used).
void skipTokenItem(ItemScanner& scanner);

// One token that is wholly a 32-bit integer.
std::int32_t readIntegerItem(ItemScanner& scanner);

// One token that is wholly a finite decimal number.
double readNumberItem(ItemScanner& scanner);

// One name (quoted names may hold blanks), exactly as it stood.
std::string readNameItem(ItemScanner& scanner);
