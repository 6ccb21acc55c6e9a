#pragma once

// The window Form1, built from the table of its elements. It moves texts in and out of its fields
// and reports the user's actions; it knows nothing of the calculation.

#include <QWidget>
#include <array>
#include <string_view>
#include <vector>

#include "form_layout.h"

class QLineEdit;
class QPushButton;
class QStyle;

namespace velmora::ui {

// Each element carries its tab position under this property name, as the layout gives it.
inline constexpr const char* kTabIndexProperty = "tabIndex";

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // dotsPerInch: the screen's logical resolution; 0 takes the primary screen's.
  explicit MainWindow(double dotsPerInch = 0.0, QWidget* parent = nullptr);

  // The element of that name (Text1, Label21, Command1, ...), or nullptr.
  [[nodiscard]] QWidget* Element(std::string_view name) const;
  [[nodiscard]] QWidget* FieldWidget(int field) const;
  [[nodiscard]] QPushButton* Button(Command command) const;
  [[nodiscard]] double DotsPerInch() const { return dotsPerInch_; }

  // Shows a text written by the program: a single-line field shows its beginning, as a text box
  // does when its text is set, and the profile table shows its first rows.
  void ShowFieldText(int field, const QString& text);
  // What the field shows, as the user sees it (the table's lines joined by "\n").
  [[nodiscard]] QString FieldText(int field) const;

 signals:
  // A button was clicked, or a field that runs a command lost the focus to another control.
  void commandRaised(velmora::ui::Command command);
  // The user changed a field's text (typing, pasting, cutting, undo).
  void fieldEdited(int field, const QString& text);

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
  std::array<QWidget*, kFieldCount + 1> fields_{};  // by field number, 1..kFieldCount
};

}  // namespace velmora::ui
