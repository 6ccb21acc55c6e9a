#pragma once

// The text form of a DXF file: a sequence of groups, each a group code on one line and its value
// on the next. Lines end in CR LF, as AutoCAD writes them; every reader also takes them.

#include <string>
#include <string_view>

namespace velmora::part {

class DxfGroups {
 public:
  void Text(int code, std::string_view value);
  void Integer(int code, int value);
  void Real(int code, double value);
  // A point's x, y and z under the codes base, base + 10 and base + 20 (10/20/30, 11/21/31).
  void Point(int base, double x, double y, double z = 0.0);

  // The file so far; the writer is left empty.
  [[nodiscard]] std::string Take() {
    std::string taken;
    taken.swap(out_);
    return taken;
  }

 private:
  void Code(int code);
  std::string out_;
};

}  // namespace velmora::part
