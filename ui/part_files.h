#pragma once

// The four files a design can be saved as, and where each one's bytes come from: the PDF of the
// design sheet and templates, and the part writers' DXF section, CSV profile and STL solid.

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>

#include "sheet_content.h"

namespace velmora::ui {

enum class PartFile { Pdf, Dxf, Csv, Stl };

// The solid of the sub-reflector: a shell of this thickness, its turn cut into this many facets.
struct StlParameters {
  double thicknessMm = 3.0;
  int facetsPerTurn = 360;
};

// The kinds in the order the save dialog offers them, PDF first.
std::span<const PartFile> PartFiles();
// "pdf", "dxf", ...
QString Extension(PartFile kind);
// The save dialog's filter: "PDF 設計書と型紙 (*.pdf)".
QString Filter(PartFile kind);
std::optional<PartFile> KindOfFilter(const QString& filter);
// The kind a file name's extension names (in any case), or nothing.
std::optional<PartFile> KindOfPath(const QString& path);

// The file's bytes; the STL's with its parameters. Throws CalcError where the design cannot be
// drawn or made.
QByteArray PartFileBytes(PartFile kind, const SheetContent& content, const std::string& table,
                         const StlParameters& stl);

}  // namespace velmora::ui
