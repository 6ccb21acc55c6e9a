#pragma once

// A mesh in binary STL: an 80-byte header, the facet count, and per facet its unit normal, its
// three corners and an unused attribute word; little-endian whatever the machine.

#include <string>
#include <string_view>

#include "revolved_solid.h"

namespace velmora::part {

inline constexpr std::size_t kStlHeaderBytes = 80;
inline constexpr std::size_t kStlFacetBytes = 50;

// `title` fills the header, cut to 80 bytes and padded with zero bytes (readers that print the
// header as a C string stop there). It must not begin with "solid",
// which readers take as the mark of an ASCII STL. Each normal follows from its corners by the
// right-hand rule, so it agrees with the winding.
std::string BinaryStl(const Mesh& mesh, std::string_view title);

}  // namespace velmora::part
