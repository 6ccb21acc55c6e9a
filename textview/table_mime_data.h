#pragma once

// What a copy from a text view hands to the clipboard: its plain text as the user selected
// it, and on request the same rows as a two-column table that a spreadsheet takes as numbers, an
// HTML table and tab-separated values. The table forms are made only when a program asks for
// them, so copying a million rows costs no more than their plain text.
//
// A row of the table is a line of the plain text; its cells are the texts between its blanks
// (a row of two numbers gives two cells, trimmed), taken as written. The empty line
// after the last line end is no row.

#include <QByteArray>
#include <QMimeData>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace velmora::textview {

class TableMimeData : public QMimeData {
  Q_OBJECT

 public:
  static const QString kHtml;
  static const QString kTabSeparated;

  // `plainText`: the selected characters, one "\n" after each line.
  explicit TableMimeData(const QByteArray& plainText);

  [[nodiscard]] QStringList formats() const override;

 protected:
  [[nodiscard]] QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

 private:
  QByteArray plainText_;  // shares the plain text's bytes, no copy
};

}  // namespace velmora::textview
