#pragma once

// The files a design can be saved as, and where each one's bytes come from: the PDF of the design
// sheet and templates; the sub-reflector's DXF section, CSV profile and STL solid; the main
// reflector's the same; and the antenna's assembly DXF. Each save command offers the formats of
// its own part, and the file name's extension chooses among them.

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>
#include <vector>

#include "design_sheet.h"
#include "file_kinds.h"
#include "sheet_content.h"

namespace velmora::ui {

// The kinds and their choices are the part library's, which makes every file but the PDF.
using part::FileOptions;
using part::PartFile;
using part::StlParameters;

// Every kind, in the order the save dialogs offer them.
std::span<const PartFile> PartFiles();
// The kinds one save dialog offers beside `kind`: those of the same part, `kind`'s first.
std::vector<PartFile> SameGroup(PartFile kind);
// What follows the design's name in a file of the kind's part: "" for the sub-reflector and the
// document, "-main" for the main reflector, "-assembly" for the assembly.
QString NameSuffix(PartFile kind);
// "pdf", "dxf", ...
QString Extension(PartFile kind);
// The save dialog's filter: "PDF 設計書と型紙 (*.pdf)".
QString Filter(PartFile kind);
// The kind of `kind`'s part that a save dialog's filter names, or nothing.
std::optional<PartFile> KindOfFilter(const QString& filter, PartFile kind);
// The kind of `kind`'s part that a file name's extension names (in any case), or nothing.
std::optional<PartFile> KindOfPath(const QString& path, PartFile kind);

// The file's bytes; nothing when `progress` stopped the PDF. Throws CalcError where the design
// cannot be drawn or made, TooManyPoints where a curve is beyond the sampling rule's cap, and
// std::invalid_argument for a choice the writer refuses.
std::optional<QByteArray> PartFileBytes(PartFile kind, const sheet::SheetContent& content,
                                        const std::string& table, const FileOptions& options,
                                        const sheet::PageProgress& progress = {});

}  // namespace velmora::ui
