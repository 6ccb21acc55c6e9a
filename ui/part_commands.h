#pragma once

// From the profile to the parts: print the design sheet and templates, or save them as a PDF;
// each reflector's section as DXF, its profile as CSV, its solid as STL; the antenna's assembly as
// DXF. The commands live in the table's
// context menu and answer Ctrl+P and Ctrl+S anywhere in the window; they are enabled only while
// the window shows the design of a press of Calculate that completed, so every output describes
// what the window shows. The sheet carries the electrical figures at the frequency the user set in
// the frequency window, when one is set.

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <set>

#include "calculator.h"
#include "design_sheet.h"
#include "part_files.h"

class QAction;
class QPrinter;
class QWidget;

namespace velmora::ui {

class FrequencyWindow;
class MainWindow;

// The entries in the order of the menu.
enum class PartCommand {
  Print,
  SavePdf,
  SaveDxf,
  SaveCsv,
  SaveStl,
  SaveMainDxf,
  SaveMainCsv,
  SaveMainStl,
  SaveAssemblyDxf
};
inline constexpr std::size_t kPartCommandCount = 9;

// Said by a disabled entry's tooltip.
inline constexpr const char* kNeedsCalculation = "計算すると使えます";

class PartCommands : public QObject {
 public:
  PartCommands(MainWindow& window, const Calculator& calculator, const FrequencyWindow& frequency);

  [[nodiscard]] QAction* Action(PartCommand command) const;
  [[nodiscard]] bool Available() const { return available_; }

  // After a press of Calculate: the window shows a design to make files of when it completed.
  void Calculated();
  // After any other handler or the user's edit: whether the window still shows that design.
  void Refresh();
  // That design while the window shows it, else nothing; as the fields hold it now, whatever
  // Refresh was last told.
  [[nodiscard]] std::optional<part::Design> ShownDesign() const;

  // The native dialogs and today's date, replaceable so that tests drive the commands.
  // Save dialog: the proposed path, the filters, the chosen filter in and out; "" for cancel.
  std::function<QString(QWidget*, const QString&, const QString&, QString*)> askSavePath;
  std::function<void(QWidget*, const QString&)> showFailure;
  std::function<std::optional<StlParameters>(QWidget*)> askStlParameters;
  std::function<std::optional<StlParameters>(QWidget*)> askShellParameters;
  std::function<std::optional<double>(QWidget*)> askProfileStep;
  std::function<bool(QPrinter&, QWidget*)> askPrinter;
  // The progress of many pages, with its label; its answer false stops them.
  std::function<sheet::PageProgress(QWidget*, const QString&)> askProgress;
  std::function<QDate()> today;

 private:
  void MakeActions();
  [[nodiscard]] QStringList ShownTexts() const;
  [[nodiscard]] bool ShowsCalculatedDesign() const;
  [[nodiscard]] std::optional<sheet::SheetContent> Content() const;
  // Runs a command so that nothing it throws leaves the slot: a message says what went wrong.
  void Guarded(const std::function<void()>& command);
  // Asks the choices `kind` takes, once a save; false when the user cancels.
  bool AskChoices(PartFile kind, FileOptions& options, std::set<PartFile>& asked);
  void Save(PartFile preferred);
  void Print();
  [[nodiscard]] QString ProposedPath(PartFile kind) const;
  void Fail(const QString& what, const QString& reason) const;

  MainWindow& window_;
  const Calculator& calculator_;
  const FrequencyWindow& frequency_;
  std::array<QAction*, kPartCommandCount> actions_{};
  std::optional<QStringList> shownDesign_;  // the fields' texts at the completed press
  bool available_ = false;
  QString lastFolder_;  // this session's, never stored
};

}  // namespace velmora::ui
