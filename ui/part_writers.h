#pragma once

// TO BE REPLACED AT MERGE by the part writers' own header in part/: the DXF, CSV and STL writers
// as the window calls them, each returning the whole file's bytes. Only part_files.cpp includes
// this.

#include <string>
#include <string_view>

#include "design.h"

namespace velmora::part {

std::string DxfFile(const Design& design);
std::string CsvFile(std::string_view table);
std::string StlFile(const Design& design, double thicknessMm, int facetsPerTurn);

}  // namespace velmora::part
