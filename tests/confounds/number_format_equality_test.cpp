// The number writers and the number reader against their references, over many values: the
// default and fixed forms against formatted printing ("%g", "%4.6lf") in the classic locale, and
// the reader against std::from_chars alone. By default the sources give a few hundred thousand
// values in all; FOLWYN_EQUALITY_VALUES=N takes N from each (scripts/bench.sh runs millions).
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "confounds/number_format.h"
#include "confounds/number_parse.h"

namespace {

constexpr long long kDefaultValuesPerSource = 50000;

long long valuesPerSource() {
  const char* text = std::getenv("FOLWYN_EQUALITY_VALUES");
  if (text == nullptr) return kDefaultValuesPerSource;
  const long long count = std::atoll(text);
  return count > 0 ? count : kDefaultValuesPerSource;
}

// Formatted printing in the classic locale, whatever locale the process had.
class ClassicNumbers {
 public:
  ClassicNumbers() {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    saved_ = previous != nullptr ? previous : "C";
    std::setlocale(LC_NUMERIC, "C");
  }
  ~ClassicNumbers() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
  ClassicNumbers(const ClassicNumbers&) = delete;
  ClassicNumbers& operator=(const ClassicNumbers&) = delete;

 private:
  std::string saved_;
};

std::string printed(const char* format, double value) {
  char text[400];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string written(char* (*write)(char*, char*, double), double value) {
  char text[kMaxNumberText];
  char* end = write(text, text + sizeof text, value);
  return end != nullptr ? std::string(text, end) : "<refused>";
}

// Values near the places where rounding to six significant digits or to six decimals turns:
// half-way points d.5 x 10^k and their neighbours a few units in the last place away.
double nearHalfWay(std::mt19937_64& random, bool fixedForm) {
  std::uniform_int_distribution<int> digits(100000, 999999);
  std::uniform_int_distribution<int> power(-20, 20);
  std::uniform_int_distribution<int> steps(-3, 3);
  double value =
      fixedForm ? (std::uniform_int_distribution<long long>(0, 5000000000LL)(random) + 0.5) * 1e-6
                : (digits(random) + 0.5) * std::pow(10.0, power(random));
  for (int s = steps(random); s != 0; s += s > 0 ? -1 : 1) {
    value = std::nextafter(value, s > 0 ? INFINITY : 0.0);
  }
  return random() % 2 == 0 ? value : -value;
}

// Powers of ten, the values that round up to the next one (999999.5 and the like), the
// smallest, largest and subnormal doubles, negative zero and their finite neighbours.
std::vector<double> edgeValues() {
  std::vector<double> values = {0.0,
                                -0.0,
                                DBL_MIN,
                                -DBL_MIN,
                                DBL_TRUE_MIN,
                                DBL_MAX,
                                -DBL_MAX,
                                DBL_MIN / 3,
                                5e-324,
                                2.2250738585072009e-308,
                                999999.5,
                                999999.4,
                                9999995.0,
                                99999.95,
                                0.000999999500,
                                0.0001,
                                0.00001,
                                0.0000099999,
                                1e15,
                                1e16,
                                4194304,
                                4194303.9999995,
                                0.5e-6,
                                1.5e-6,
                                2.5e-6,
                                8.5,
                                0.125,
                                1e100,
                                1e-100};
  for (int k = -330; k <= 310; ++k) {
    const double power = std::pow(10.0, k);
    for (double base : {1.0, 9.999995, 9.9999949999, 9.999995000001, 5.0, 1.0000005}) {
      values.push_back(base * power);
    }
  }
  for (int k = -1074; k <= 1023; ++k) values.push_back(std::ldexp(1.0, k));
  const std::size_t count = values.size();
  for (std::size_t i = 0; i < count; ++i) {
    values.push_back(std::nextafter(values[i], INFINITY));
    values.push_back(std::nextafter(values[i], -INFINITY));
  }
  for (std::size_t i = 0; i < count; ++i) values.push_back(-values[i]);
  // The text forms hold finite numbers only (a neighbour of DBL_MAX may be infinite).
  std::erase_if(values, [](double value) { return !std::isfinite(value); });
  return values;
}

struct ValueSource {
  const char* name;
  std::function<double(std::mt19937_64&)> next;
};

std::vector<ValueSource> valueSources() {
  return {
      {"every bit pattern of a finite double",
       [](std::mt19937_64& random) {
         double value;
         do {
           value = std::bit_cast<double>(random());
         } while (!std::isfinite(value));
         return value;
       }},
      {"magnitudes from 1e-20 to 1e20",
       [](std::mt19937_64& random) {
         const double value =
             std::pow(10.0, std::uniform_real_distribution<double>(-20.0, 20.0)(random));
         return random() % 2 == 0 ? value : -value;
       }},
      {"confound values (z-scores, millimetres, beats per minute)",
       [](std::mt19937_64& random) {
         switch (random() % 3) {
           case 0:
             return std::normal_distribution<double>(0.0, 1.0)(random);
           case 1:
             return std::normal_distribution<double>(0.0, 0.05)(random);
           default:
             return std::normal_distribution<double>(66.0, 8.0)(random);
         }
       }},
      {"values read from six-decimal and shortest-float texts",
       [](std::mt19937_64& random) {
         char text[64];
         const double raw = std::normal_distribution<double>(0.0, 2.0)(random);
         if (random() % 2 == 0) {
           std::snprintf(text, sizeof text, "%.6f", raw);
         } else {
           std::to_chars(text, text + sizeof text, static_cast<float>(raw));
         }
         return std::strtod(text, nullptr);
       }},
      {"near half-way for six significant digits",
       [](std::mt19937_64& random) { return nearHalfWay(random, false); }},
      {"near half-way for six decimals",
       [](std::mt19937_64& random) { return nearHalfWay(random, true); }},
  };
}

struct Differences {
  long long count = 0;
  std::vector<std::string> examples;

  void check(const std::string& form, double value, const std::string& got,
             const std::string& expected) {
    if (got == expected) return;
    if (++count <= 5) {
      char exact[64];
      std::snprintf(exact, sizeof exact, "%.17g", value);
      examples.push_back(form + " of " + exact + ": wrote " + got + ", expected " + expected);
    }
  }
};

void compareForms(double value, Differences& differences) {
  differences.check("default form", value, written(writeDefaultNumber, value),
                    printed("%g", value));
  differences.check("fixed form", value, written(writeFixedNumber, value),
                    printed("%4.6lf", value));
}

void report(const char* source, const Differences& differences) {
  EXPECT_EQ(differences.count, 0) << source;
  for (const std::string& example : differences.examples)
    ADD_FAILURE() << source << ": " << example;
}

TEST(NumberFormatEquality, BothFormsEqualFormattedPrintingInTheClassicLocale) {
  const ClassicNumbers classic;
  Differences edges;
  for (double value : edgeValues()) compareForms(value, edges);
  report("edge values", edges);

  const long long count = valuesPerSource();
  std::uint64_t seed = 20240611;
  for (const ValueSource& source : valueSources()) {
    std::mt19937_64 random(seed++);
    Differences differences;
    for (long long i = 0; i < count; ++i) compareForms(source.next(random), differences);
    report(source.name, differences);
  }
}

// The reference reader: std::from_chars alone, with the rules of the text forms around it (one
// leading "+" allowed, the whole text a finite number).
bool referenceParse(std::string text, double& value) {
  if (!text.empty() && text[0] == '+') {
    text.erase(0, 1);
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) return false;
  }
  if (text.empty()) return false;
  double parsed = 0.0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(parsed)) {
    return false;
  }
  value = parsed;
  return true;
}

// Texts of numbers as confound files and design matrices hold them, and malformed neighbours.
std::string numberText(std::mt19937_64& random) {
  static const char* const kOddTexts[] = {"",
                                          "-",
                                          "+",
                                          ".",
                                          "-.",
                                          "5.",
                                          ".5",
                                          "-.5",
                                          "+.5",
                                          "1e",
                                          "1e+",
                                          "1e-",
                                          "e5",
                                          ".e5",
                                          "1.5e3x",
                                          "1,5",
                                          "0x10",
                                          "nan",
                                          "inf",
                                          "-inf",
                                          "1e400",
                                          "-1e400",
                                          "1e-400",
                                          "+-1",
                                          "--1",
                                          "1..2",
                                          "1.2.3",
                                          "1e5.5",
                                          "00.5",
                                          "-0",
                                          "-0.0",
                                          "+0",
                                          "1E5",
                                          "1e+05",
                                          "1e-05",
                                          "1e0000005",
                                          "12345678901234567890",
                                          "123456789012345678901",
                                          "0.000000000000000000000001",
                                          "9007199254740993",
                                          "9007199254740992",
                                          "4.9e-324",
                                          "2.2250738585072014e-308",
                                          "1e22",
                                          "1e23",
                                          "1e-22",
                                          "1e-23",
                                          "179769313486231570814527423731704356798070e267"};
  switch (random() % 6) {
    case 0:
      return kOddTexts[random() % (sizeof kOddTexts / sizeof kOddTexts[0])];
    case 1: {
      char text[64];
      std::snprintf(text, sizeof text, "%.6f", std::normal_distribution<double>(0.0, 50.0)(random));
      return text;
    }
    case 2: {
      char text[64];
      const auto end =
          std::to_chars(text, text + sizeof text,
                        static_cast<float>(std::uniform_real_distribution<double>(-1, 1)(random)))
              .ptr;
      return std::string(text, end);
    }
    case 3: {
      char text[64];
      std::snprintf(text, sizeof text, "%.*g", static_cast<int>(random() % 18 + 1),
                    std::pow(10.0, std::uniform_real_distribution<double>(-30, 30)(random)));
      return text;
    }
    case 4: {  // random digits, point and exponent
      std::string text;
      if (random() % 3 == 0) text += "-+"[random() % 2];
      const int digits = static_cast<int>(random() % 25);
      const int point = static_cast<int>(random() % 27) - 1;
      for (int i = 0; i < digits; ++i) {
        if (i == point) text += '.';
        text += static_cast<char>('0' + random() % 10);
      }
      if (random() % 3 == 0) {
        text += "eE"[random() % 2];
        if (random() % 2 == 0) text += "+-"[random() % 2];
        text += std::to_string(random() % 40);
      }
      return text;
    }
    default: {
      char text[64];
      std::snprintf(text, sizeof text, "%.17g", std::bit_cast<double>(random()));
      return text;
    }
  }
}

TEST(NumberParseEquality, ReadsEveryTextAsFromCharsAlone) {
  const long long count = valuesPerSource();
  std::mt19937_64 random(977);
  long long differences = 0;
  for (long long i = 0; i < count; ++i) {
    const std::string text = numberText(random);
    double got = 42.0;
    double expected = 42.0;
    const bool accepted = parseNumber(text, got);
    const bool expectedAccepted = referenceParse(text, expected);
    if (accepted != expectedAccepted ||
        std::bit_cast<std::uint64_t>(got) != std::bit_cast<std::uint64_t>(expected)) {
      if (++differences <= 5) {
        ADD_FAILURE() << "\"" << text << "\": accepted " << accepted << " value " << got
                      << ", expected accepted " << expectedAccepted << " value " << expected;
      }
    }
  }
  EXPECT_EQ(differences, 0);
}

}  // namespace
