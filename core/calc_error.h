#pragma once

#include <stdexcept>

namespace velmora {

// The calculator's one failure: a text that is not a number, an invalid operation, a division by
// zero or an overflow. No caller tells the causes apart, so it carries no message of its own.
class CalcError : public std::runtime_error {
 public:
  CalcError() : std::runtime_error("calculation error") {}
};

}  // namespace velmora
