// Text and numbers of the preview's SVG: XML-safe text from any bytes, and locale-independent
// numbers for coordinates and labels.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace standin {

// Appends text to out as XML character data that may also stand in an attribute value: & < > "
// and ' are escaped; well-formed UTF-8 is kept; tabs and line ends become blanks; other control
// characters and every byte that is not part of well-formed UTF-8 (a name in the host's code
// page, say) become U+FFFD, so that out stays well-formed XML whatever the bytes. At most
// maxCharacters characters are taken; a longer text is cut there and ends in "...".
void appendXmlText(std::string& out, std::string_view text, std::size_t maxCharacters);

// Appends value in fixed notation with at most decimals (0 to 6) decimals, trailing zeros and
// a trailing full stop dropped ("12.5", "3", "-0.25"); full stop as decimal separator whatever
// the locale. value must be finite.
void appendFixed(std::string& out, double value, int decimals);

// Appends value for a label: four significant digits, fixed or scientific notation as is
// shorter ("0.1235", "1.5e+04", "-3"); full stop as decimal separator whatever the locale.
void appendShortNumber(std::string& out, double value);

}  // namespace standin
