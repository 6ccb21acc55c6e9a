// ToNumber on arbitrary bytes. It may only return a finite double, for a text of the number
// grammar, or throw CalcError. For a text of the grammar the value must be the nearest double,
// as the C library's correctly rounded strtod finds it, and it may throw only where that value
// overflows.

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc_error.h"
#include "decimal_reference.h"
#include "fuzz_support.h"
#include "number_text.h"

namespace {

using velmora::fuzz::Require;

struct Reference {
  double value;
  bool overflow;
};

// No setlocale() is ever called here, so strtod reads "." as the decimal point.
Reference NearestDouble(std::string_view grammarText) {
  const std::string copy(velmora::fuzz::WithoutSurroundingSpaces(grammarText));
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(copy.c_str(), &end);
  Require(end == copy.c_str() + copy.size(), "strtod stopped early on a grammar text", copy);
  return {value, errno == ERANGE && std::isinf(value)};
}

bool SameDouble(double a, double b) {
  return a == b && std::signbit(a) == std::signbit(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const bool grammar = velmora::reference::MatchesNumberGrammar(text);

  double value = 0.0;
  bool threw = false;
  try {
    value = velmora::ToNumber(text);
  } catch (const velmora::CalcError&) {
    threw = true;
  } catch (...) {
    velmora::fuzz::Fail("ToNumber threw something other than CalcError", text);
  }

  if (!threw) {
    Require(std::isfinite(value), "ToNumber returned a non-finite value", text);
    Require(grammar, "ToNumber accepted a text outside the number grammar", text);
  }
  if (grammar) {
    const Reference expected = NearestDouble(text);
    if (expected.overflow) {
      Require(threw, "ToNumber accepted a magnitude beyond the largest double", text);
    } else {
      Require(!threw, "ToNumber refused a number text within range", text);
      Require(SameDouble(value, expected.value), "ToNumber is not the nearest double", text);
    }
  }
  return 0;
}
