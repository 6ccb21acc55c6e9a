#include "design_inputs.h"

namespace velmora::cli {

std::optional<std::size_t> InputIndex(std::string_view name) {
  for (std::size_t k = 0; k < kInputNames.size(); ++k) {
    if (kInputNames[k].name == name) return k;
  }
  return std::nullopt;
}

}  // namespace velmora::cli
