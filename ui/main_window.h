#pragma once

// The window Form1, built from the table of its elements. It moves texts in and out of its fields
// and reports the user's actions; it knows nothing of the calculation.

#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form_layout.h"
#include "indexed_text.h"
#include "text_view.h"

class QLineEdit;
class QPushButton;
class QStyle;

namespace velmora::ui {

// The table's view is the text view component's.
using textview::IndexedText;
using textview::SharedText;
using textview::TextView;

// Each element carries its tab position under this property name, as the layout gives it.
inline constexpr const char* kTabIndexProperty = "tabIndex";

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // dotsPerInch: the screen's logical resolution; 0 takes the primary screen's.
  explicit MainWindow(double dotsPerInch = 0.0, QWidget* parent = nullptr);

  // The element of that name (Text1, Label21, Command1, ...), or nullptr.
  [[nodiscard]] QWidget* Element(std::string_view name) const;
  [[nodiscard]] QWidget* FieldWidget(FieldId field) const;
  [[nodiscard]] QPushButton* Button(Command command) const;

  // Shows a field's text as the program wrote it (FieldSet::SharedText): a single-line field shows
  // its beginning, as a text box does when its text is set; the table shows its first rows and
  // keeps the string, which nobody changes, for as long as it shows it. The table shows nothing
  // when memory for its index cannot be had.
  void ShowField(FieldId field, const SharedText& text);
  // The text of a multi-line field with the index it needs, or nothing when memory for the index
  // cannot be had: made before the text replaces the field's, so that the old text stays shown.
  [[nodiscard]] std::optional<IndexedText> IndexFor(FieldId field, SharedText text) const;
  // Shows a multi-line field's text with the index made for it.
  void ShowIndexed(FieldId field, IndexedText text) noexcept;
  // What the field shows, as the user sees it (the table's lines joined by "\n").
  [[nodiscard]] QString FieldText(FieldId field) const;

 signals:
  // A button was clicked, or a field that runs a command lost the focus to another control.
  void commandRaised(velmora::ui::Command command);
  // The user changed a field's text (typing, pasting, cutting, undo).
  void fieldEdited(velmora::FieldId field, const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* MakeElement(const ElementEntry& entry);
  QWidget* MakeField(const ElementEntry& entry);
  void SetTabOrder() const;
  // Fonts are given in points for the screen; a window drawn for another resolution scales them.
  [[nodiscard]] double FontScale() const;

  double dotsPerInch_;
  QStyle* thinFrame_;  // the frame of every single-line field; owned by the window
  std::vector<std::pair<std::string_view, QWidget*>> elements_;
  std::array<QWidget*, kFieldCount> fields_{};  // by field number less one
};

}  // namespace velmora::ui
