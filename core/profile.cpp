// The sub-reflector's profile table: for each radius Y from START to STOP by STEP, the depth X of
// the hyperboloid below the plane of its vertex, sqrt(a^2 (Y^2 / b^2 + 1)) - a, as one fixed-width
// row "RRRRRRR DDDDDDD" + CR LF. The table reaches Text15 in one write after its last row.

#include "profile.h"

#include <memory>
#include <string_view>

#include "calc_error.h"
#include "checked_arithmetic.h"
#include "number_text.h"
#include "numeric_loop.h"
#include "profile_function.h"

namespace velmora {
namespace {

using checked::Sub;

constexpr std::string_view kCellSeparator = " ";
constexpr std::string_view kRowEnd = "\r\n";
constexpr std::size_t kRowLength = 2 * kCellWidth + kCellSeparator.size() + kRowEnd.size();

// a and b^2 as their fields hold them now; each row reads them anew.
Hyperbola HyperbolaOf(const FieldSet& fields) {
  using enum FieldId;
  return {.a = fields.Number(Text13), .b2 = fields.Number(Text14)};
}

// Appends one row a radius to `table`. The row's texts are made in place; the form-level texts
// and cells take those of the last row built, once the loop ends or fails, as they would hold had
// each row set them.
void AppendRows(const FieldSet& fields, FormValues& values, const LoopBounds& bounds,
                double vertexOrdinate, std::string& table) {
  std::string radiusText;
  std::string depthText;
  const auto keepLastRow = [&] {
    if (depthText.empty()) return;
    values.DepthText = depthText;
    values.DepthCell = RightCell(depthText);
    values.RadiusText = radiusText;
    values.RadiusCell = RightCell(radiusText);
  };
  try {
    RunNumericLoop(bounds, [&](double radius) {
      values.RowRadius = radius;
      const double depth = Sub(ProfileOrdinate(HyperbolaOf(fields), radius), vertexOrdinate);
      values.RowDepth = depth;
      depthText = PatternText(depth, kThreeDecimals);
      radiusText = PatternText(radius, kTwoDecimals);
      AppendRightCell(table, radiusText);
      table.append(kCellSeparator);
      AppendRightCell(table, depthText);
      table.append(kRowEnd);
    });
  } catch (...) {
    keepLastRow();
    throw;
  }
  keepLastRow();
}

}  // namespace

void BuildProfileTable(FieldSet& fields, FormValues& values, const TableWatch& watch) {
  using enum FieldId;
  // The ordinate at radius 0, by the row formula itself; it equals |a|. A b^2 of 0 fails here.
  values.VertexOrdinate = ProfileOrdinate(HyperbolaOf(fields), 0.0);

  const LoopBounds bounds =
      ReadLoopBounds(fields.Text(Text17), fields.Text(Text18), fields.Text(Text19));
  // A STEP of 0, one too small to move the radius, or a range of too many rows would hang the
  // program or exhaust memory; such a table is refused before its first row.
  const auto rows = CountLoopPasses(bounds, kMaxProfileRows);
  if (!rows) throw CalcError();
  if (watch.rowsPlanned) watch.rowsPlanned(*rows);

  std::string& table = values.ProfileText.emplace();
  table.reserve(*rows * kRowLength);
  AppendRows(fields, values, bounds, *values.VertexOrdinate, table);
  // The field's new string, made once: the window may take it as it is before the write.
  auto shared = std::make_shared<const std::string>(table);
  if (watch.accept && !watch.accept(shared)) throw CalcError();
  fields.Write(Text15, std::move(shared));
}

}  // namespace velmora
