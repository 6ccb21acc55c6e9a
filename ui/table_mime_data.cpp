#include "table_mime_data.h"

#include <algorithm>
#include <new>
#include <string_view>

namespace velmora::ui {
namespace {

const QString kPlainText = QStringLiteral("text/plain");

// What separates the cells of a row.
constexpr std::string_view kCellBlanks = " \t\r";

// Calls onRow() before each row and onCell(cell) for each of its cells. A line without cells (a
// part of a row's blanks) makes no row.
template <typename OnRow, typename OnCell>
void ForEachCell(std::string_view text, OnRow&& onRow, OnCell&& onCell) {
  while (!text.empty()) {
    const std::size_t lineEnd = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, lineEnd);
    text.remove_prefix(std::min(lineEnd + 1, text.size()));
    for (bool first = true;; first = false) {
      const std::size_t begin = std::min(line.find_first_not_of(kCellBlanks), line.size());
      if (begin == line.size()) break;
      line.remove_prefix(begin);
      const std::size_t end = std::min(line.find_first_of(kCellBlanks), line.size());
      if (first) onRow();
      onCell(line.substr(0, end));
      line.remove_prefix(end);
    }
  }
}

void AppendEscaped(QByteArray& out, std::string_view text) {
  for (const char c : text) {
    if (c == '&') {
      out.append("&amp;");
    } else if (c == '<') {
      out.append("&lt;");
    } else if (c == '>') {
      out.append("&gt;");
    } else {
      out.append(c);
    }
  }
}

QByteArray HtmlTable(std::string_view text) {
  QByteArray html;
  // A row of two cells takes about two and a half times its plain text in HTML.
  html.reserve(static_cast<qsizetype>(text.size()) * 3 + 32);
  html.append("<table>\n");
  bool inRow = false;
  ForEachCell(
      text,
      [&] {
        if (inRow) html.append("</tr>\n");
        html.append("<tr>");
        inRow = true;
      },
      [&](std::string_view cell) {
        html.append("<td>");
        AppendEscaped(html, cell);
        html.append("</td>");
      });
  if (inRow) html.append("</tr>\n");
  html.append("</table>\n");
  return html;
}

QByteArray TabSeparated(std::string_view text) {
  QByteArray values;
  values.reserve(static_cast<qsizetype>(text.size()));
  bool firstRow = true;
  bool firstCell = true;
  ForEachCell(
      text,
      [&] {
        if (!firstRow) values.append('\n');
        firstRow = false;
        firstCell = true;
      },
      [&](std::string_view cell) {
        if (!firstCell) values.append('\t');
        firstCell = false;
        values.append(cell.data(), static_cast<qsizetype>(cell.size()));
      });
  if (!firstRow) values.append('\n');
  return values;
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
    if (mimeType == kHtml) return HtmlTable(text);
    if (mimeType == kTabSeparated) return TabSeparated(text);
  } catch (const std::bad_alloc&) {
    return {};  // too large to make now: the program asking gets nothing in this form
  }
  return QMimeData::retrieveData(mimeType, type);
}

}  // namespace velmora::ui
