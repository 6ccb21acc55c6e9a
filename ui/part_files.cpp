#include "part_files.h"

#include <QFileInfo>
#include <array>

namespace velmora::ui {
namespace {

struct KindRow {
  PartFile kind;
  int group;  // the part: the design with its sub-reflector, the main reflector, the assembly
  const char* extension;
  const char* description;
};

constexpr std::array<KindRow, 8> kKinds = {{
    {PartFile::Pdf, 0, "pdf", "PDF 設計書と型紙"},
    {PartFile::Dxf, 0, "dxf", "DXF 断面"},
    {PartFile::Csv, 0, "csv", "CSV プロファイル"},
    {PartFile::Stl, 0, "stl", "STL 副反射鏡"},
    {PartFile::MainDxf, 1, "dxf", "DXF 主反射鏡の断面"},
    {PartFile::MainCsv, 1, "csv", "CSV 主反射鏡のプロファイル"},
    {PartFile::MainStl, 1, "stl", "STL 主反射鏡"},
    {PartFile::AssemblyDxf, 2, "dxf", "DXF 組立図"},
}};
constexpr std::array<PartFile, 8> kOrder = {
    PartFile::Pdf,     PartFile::Dxf,     PartFile::Csv,     PartFile::Stl,
    PartFile::MainDxf, PartFile::MainCsv, PartFile::MainStl, PartFile::AssemblyDxf};

const KindRow& Row(PartFile kind) {
  return kKinds[static_cast<std::size_t>(kind)];
}

}  // namespace

std::span<const PartFile> PartFiles() {
  return kOrder;
}

std::vector<PartFile> SameGroup(PartFile kind) {
  std::vector<PartFile> kinds;
  for (const PartFile other : kOrder) {
    if (Row(other).group == Row(kind).group) kinds.push_back(other);
  }
  return kinds;
}

QString NameSuffix(PartFile kind) {
  static constexpr std::array<const char*, 3> kSuffixes = {"", "-main", "-assembly"};
  return QString::fromLatin1(kSuffixes[static_cast<std::size_t>(Row(kind).group)]);
}

QString Extension(PartFile kind) {
  return QString::fromLatin1(Row(kind).extension);
}

QString Filter(PartFile kind) {
  return QString::fromUtf8(Row(kind).description) + QStringLiteral(" (*.") + Extension(kind) +
         QLatin1Char(')');
}

std::optional<PartFile> KindOfFilter(const QString& filter, PartFile kind) {
  for (const PartFile other : SameGroup(kind)) {
    if (Filter(other) == filter) return other;
  }
  return std::nullopt;
}

std::optional<PartFile> KindOfPath(const QString& path, PartFile kind) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  for (const PartFile other : SameGroup(kind)) {
    if (suffix == Extension(other)) return other;
  }
  return std::nullopt;
}

std::optional<QByteArray> PartFileBytes(PartFile kind, const sheet::SheetContent& content,
                                        const std::string& table, const FileOptions& options,
                                        const sheet::PageProgress& progress) {
  if (kind == PartFile::Pdf) return sheet::DesignPdf(content, progress);
  const std::string bytes = part::PartFileBytes(kind, content.design, table, options).value();
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace velmora::ui
