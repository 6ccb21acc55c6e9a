#include "part_files.h"

#include <QFileInfo>
#include <array>

#include "design_sheet.h"
#include "profile_csv.h"
#include "section_dxf.h"
#include "sub_reflector_stl.h"

namespace velmora::ui {
namespace {

struct KindRow {
  PartFile kind;
  const char* extension;
  const char* description;
};

constexpr std::array<KindRow, 4> kKinds = {{
    {PartFile::Pdf, "pdf", "PDF 設計書と型紙"},
    {PartFile::Dxf, "dxf", "DXF 断面"},
    {PartFile::Csv, "csv", "CSV プロファイル"},
    {PartFile::Stl, "stl", "STL 副反射鏡"},
}};
constexpr std::array<PartFile, 4> kOrder = {PartFile::Pdf, PartFile::Dxf, PartFile::Csv,
                                            PartFile::Stl};

const KindRow& Row(PartFile kind) {
  return kKinds[static_cast<std::size_t>(kind)];
}

QByteArray Bytes(const std::string& text) {
  return {text.data(), static_cast<qsizetype>(text.size())};
}

}  // namespace

std::span<const PartFile> PartFiles() {
  return kOrder;
}

QString Extension(PartFile kind) {
  return QString::fromLatin1(Row(kind).extension);
}

QString Filter(PartFile kind) {
  return QString::fromUtf8(Row(kind).description) + QStringLiteral(" (*.") + Extension(kind) +
         QLatin1Char(')');
}

std::optional<PartFile> KindOfFilter(const QString& filter) {
  for (const PartFile kind : kOrder) {
    if (Filter(kind) == filter) return kind;
  }
  return std::nullopt;
}

std::optional<PartFile> KindOfPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  for (const PartFile kind : kOrder) {
    if (suffix == Extension(kind)) return kind;
  }
  return std::nullopt;
}

QByteArray PartFileBytes(PartFile kind, const SheetContent& content, const std::string& table,
                         const StlParameters& stl) {
  switch (kind) {
    case PartFile::Pdf:
      return DesignPdf(content);
    case PartFile::Dxf:
      return Bytes(part::SectionDxf(content.design));
    case PartFile::Csv:
      return Bytes(part::ProfileCsv(table));
    case PartFile::Stl:
      return Bytes(part::SubReflectorStl(
          content.design, {.thickness = stl.thicknessMm, .facetsPerTurn = stl.facetsPerTurn}));
  }
  return {};
}

}  // namespace velmora::ui
