#pragma once

// What the design means at a frequency: a small window of its own, opened from the table's menu,
// where the user types the frequency and, if wanted, the aperture efficiency η, and reads the
// electrical figures (part/electrical_text.h) of the design the main window last calculated, as
// they type. It leaves the main window as it is. Kept for the session: closing only hides it, and
// what was typed stays, for its next opening and for the design sheet.

#include <QWidget>
#include <optional>
#include <vector>

#include "design.h"
#include "electrical_figures.h"

class QAction;
class QLabel;
class QLineEdit;

namespace velmora::ui {

class FrequencyWindow : public QWidget {
 public:
  // A window of its own that closes with the main window.
  explicit FrequencyWindow(QWidget& mainWindow);

  // The table menu's entry that opens it, after a separator; always enabled.
  [[nodiscard]] QList<QAction*> MenuActions() const;

  // The design of a completed press of Calculate while the main window still shows it, or nothing
  // (before any press, after an edit or Clear until the next completed one): then the last figures
  // are greyed, with the reason.
  void ShowDesign(const std::optional<part::Design>& design);

  // The frequency and η as typed, when both are good: the design sheet's block.
  [[nodiscard]] std::optional<part::ElectricalInputs> Setting() const;

 private:
  void MakeFigures(QWidget& box);
  void PlaceBesideMainWindow();
  void Update();
  void ShowFigures(const part::ElectricalFigures* figures);

  QAction* separator_;
  QAction* open_;
  QLineEdit* frequency_;
  QLineEdit* efficiency_;
  QLabel* reason_;
  QWidget* figures_;
  std::vector<QLabel*> texts_;  // each figure's but the frequency's
  QLabel* remarks_;
  std::optional<part::Design> design_;  // the last calculated
  bool current_ = false;                // the main window still shows it
  bool placed_ = false;                 // opened once: the user's place from then on
};

}  // namespace velmora::ui
