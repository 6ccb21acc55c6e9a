#include "dxf_groups.h"

#include <array>
#include <charconv>

#include "decimal_text.h"

namespace velmora::part {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AppendInteger(std::string& out, int value) {
  std::array<char, 16> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  out.append(buffer.data(), result.ptr);
}

}  // namespace

void DxfGroups::Code(int code) {
  // Codes right-aligned in three columns, the layout of AutoCAD's own files; readers that compare
  // lines literally ("  0") expect it.
  if (code < 10) {
    out_ += "  ";
  } else if (code < 100) {
    out_ += ' ';
  }
  AppendInteger(out_, code);
  out_ += kLineEnd;
}

void DxfGroups::Text(int code, std::string_view value) {
  Code(code);
  out_ += value;
  out_ += kLineEnd;
}

void DxfGroups::Integer(int code, int value) {
  Code(code);
  AppendInteger(out_, value);
  out_ += kLineEnd;
}

void DxfGroups::Real(int code, double value) {
  Code(code);
  AppendDecimal(out_, value);
  out_ += kLineEnd;
}

void DxfGroups::Point(int base, double x, double y, double z) {
  Real(base, x);
  Real(base + 10, y);
  Real(base + 20, z);
}

}  // namespace velmora::part
