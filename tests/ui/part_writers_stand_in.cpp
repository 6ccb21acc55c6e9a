// A stand-in for the part writers (DXF, CSV, STL) until they land in part/: each writes a short
// text naming its kind and what it was given, so the window's tests can tell which writer a
// command reached. Never shipped: removed when the real writers are merged.

#include <string>

#include "part_writers.h"

namespace velmora::part {

std::string DxfFile(const Design& design) {
  return "0\nSECTION\n999\nvelmora stand-in DXF D=" + std::to_string(design.mainDiameter) +
         "\n0\nENDSEC\n0\nEOF\n";
}

std::string CsvFile(std::string_view table) {
  return "stand-in CSV\n" + std::string(table);
}

std::string StlFile(const Design& design, double thicknessMm, int facetsPerTurn) {
  return "solid stand-in d=" + std::to_string(design.subDiameter) +
         " t=" + std::to_string(thicknessMm) + " n=" + std::to_string(facetsPerTurn) +
         "\nendsolid\n";
}

}  // namespace velmora::part
