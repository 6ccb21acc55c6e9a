#include "table_mime_data.h"

#include <algorithm>
#include <new>
#include <string_view>

namespace velmora::textview {
namespace {

const QString kPlainText = QStringLiteral("text/plain");

// What separates the cells of a row.
bool IsCellBlank(char byte) {
  return byte == ' ' || byte == '\t' || byte == '\r';
}

// Calls onRow() before each row and onCell(cell) for each of its cells. A line without cells (a
// part of a row's blanks) makes no row.
template <typename OnRow, typename OnCell>
void ForEachCell(std::string_view text, OnRow&& onRow, OnCell&& onCell) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    for (bool first = true;; first = false) {
      while (p < end && IsCellBlank(*p)) ++p;
      if (p == end || *p == '\n') break;
      const char* const cell = p;
      while (p < end && *p != '\n' && !IsCellBlank(*p)) ++p;
      if (first) onRow();
      onCell(std::string_view(cell, static_cast<std::size_t>(p - cell)));
    }
    if (p < end) ++p;  // the line's "\n"
  }
}

// The HTML table of the rows, handed to put() in parts.
template <typename Put>
void WriteHtml(std::string_view text, Put&& put) {
  put("<table>\n");
  bool inRow = false;
  const auto row = [&] {
    if (inRow) put("</tr>\n");
    put("<tr>");
    inRow = true;
  };
  const auto cell = [&](std::string_view cellText) {
    put("<td>");
    for (std::size_t start = 0;;) {
      const std::size_t special = cellText.find_first_of("&<>", start);
      put(cellText.substr(start, special - start));
      if (special == std::string_view::npos) break;
      put(cellText[special] == '&' ? "&amp;" : cellText[special] == '<' ? "&lt;" : "&gt;");
      start = special + 1;
    }
    put("</td>");
  };
  ForEachCell(text, row, cell);
  if (inRow) put("</tr>\n");
  put("</table>\n");
}

// The rows as tab-separated values, one line each, handed to put() in parts.
template <typename Put>
void WriteTabSeparated(std::string_view text, Put&& put) {
  bool firstRow = true;
  bool firstCell = true;
  const auto row = [&] {
    if (!firstRow) put("\n");
    firstRow = false;
    firstCell = true;
  };
  const auto cell = [&](std::string_view cellText) {
    if (!firstCell) put("\t");
    firstCell = false;
    put(cellText);
  };
  ForEachCell(text, row, cell);
  if (!firstRow) put("\n");
}

// A form written twice: once to measure it, once into bytes of that size, so that a million rows
// take one allocation of the form's own size.
template <typename Write>
QByteArray Made(std::string_view text, Write&& write) {
  std::size_t size = 0;
  write(text, [&size](std::string_view part) { size += part.size(); });
  QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
  char* out = bytes.data();
  write(text, [&out](std::string_view part) { out = std::copy(part.begin(), part.end(), out); });
  return bytes;
}

}  // namespace

const QString TableMimeData::kHtml = QStringLiteral("text/html");
const QString TableMimeData::kTabSeparated = QStringLiteral("text/tab-separated-values");

TableMimeData::TableMimeData(const QByteArray& plainText) : plainText_(plainText) {
  setData(kPlainText, plainText);
}

QStringList TableMimeData::formats() const {
  return {kPlainText, kHtml, kTabSeparated};
}

QVariant TableMimeData::retrieveData(const QString& mimeType, QMetaType type) const {
  const std::string_view text(plainText_.constData(), static_cast<std::size_t>(plainText_.size()));
  try {
    if (mimeType == kHtml) {
      return Made(text, [](std::string_view rows, auto&& put) { WriteHtml(rows, put); });
    }
    if (mimeType == kTabSeparated) {
      return Made(text, [](std::string_view rows, auto&& put) { WriteTabSeparated(rows, put); });
    }
  } catch (const std::bad_alloc&) {
    return {};  // too large to make now: the program asking gets nothing in this form
  }
  return QMimeData::retrieveData(mimeType, type);
}

}  // namespace velmora::textview
