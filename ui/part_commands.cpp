#include "part_commands.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QStandardPaths>
#include <memory>
#include <new>
#include <set>
#include <stdexcept>

#include "calc_error.h"
#include "curve_sampling.h"
#include "design_sheet.h"
#include "form_layout.h"
#include "frequency_window.h"
#include "main_window.h"
#include "qt_text.h"
#include "stl_dialog.h"
#include "text_view.h"
#include "whole_file.h"

namespace velmora::ui {
namespace {

struct EntryRow {
  const char* text;
  QKeySequence shortcut;
  const char* name;
  const char* tip;  // what an enabled entry makes
};

// The menu: the document, then each part's files; `separatorBefore` starts a part's group.
struct MenuRow {
  EntryRow entry;
  PartFile file = PartFile::Pdf;  // what the entry saves (the print entry: its pages, as the PDF)
  bool separatorBefore = false;
};

const std::array<MenuRow, kPartCommandCount>& Entries() {
  static const std::array<MenuRow, kPartCommandCount> entries = {{
      {{"設計書と型紙を印刷…", QKeySequence(Qt::CTRL | Qt::Key_P), "print",
        "設計書と実寸の型紙を印刷します"},
       PartFile::Pdf,
       false},
      {{"設計書と型紙を PDF で保存…", QKeySequence(Qt::CTRL | Qt::Key_S), "savePdf",
        "設計書と実寸の型紙を PDF ファイルに保存します"},
       PartFile::Pdf,
       false},
      {{"副反射鏡の断面を DXF で保存…",
        {},
        "saveDxf",
        "副反射鏡の断面を CAD 用の DXF ファイルに保存します"},
       PartFile::Dxf,
       true},
      {{"副反射鏡のプロファイルを CSV で保存…",
        {},
        "saveCsv",
        "プロファイル表を CSV ファイルに保存します"},
       PartFile::Csv,
       false},
      {{"副反射鏡を STL で保存…",
        {},
        "saveStl",
        "副反射鏡を 3D プリンター用の STL ファイルに保存します"},
       PartFile::Stl,
       false},
      {{"主反射鏡の断面を DXF で保存…",
        {},
        "saveMainDxf",
        "主反射鏡の断面を CAD 用の DXF ファイルに保存します"},
       PartFile::MainDxf,
       true},
      {{"主反射鏡のプロファイルを CSV で保存…",
        {},
        "saveMainCsv",
        "主反射鏡の半径と深さを指定した間隔で CSV ファイルに保存します"},
       PartFile::MainCsv,
       false},
      {{"主反射鏡を STL で保存…",
        {},
        "saveMainStl",
        "主反射鏡を 3D プリンター用の殻として STL ファイルに保存します"},
       PartFile::MainStl,
       false},
      {{"組立図を DXF で保存…",
        {},
        "saveAssemblyDxf",
        "両反射鏡、焦点、一次放射器とエッジ光線を軸上に配置した DXF ファイルに保存します"},
       PartFile::AssemblyDxf,
       true},
  }};
  return entries;
}

QString NativeSavePath(QWidget* parent, const QString& proposed, const QString& filters,
                       QString* chosen) {
  return QFileDialog::getSaveFileName(parent, QString::fromUtf8("保存"), proposed, filters, chosen);
}

void NativeFailure(QWidget* parent, const QString& message) {
  QMessageBox::warning(parent, ToQString(kWindowTitle), message);
}

QString NoSurface() {
  return QString::fromUtf8("この設計の値からは反射鏡の面を描けません。");
}

QString TooManyPointsReason() {
  return QString::fromUtf8("この設計の反射鏡は 1 µm の精度で %1 点を超えるため、描けません。")
      .arg(kMaxCurveSteps);
}

QString NoMemory() {
  return QString::fromUtf8("この設計のファイルはメモリーに入りきりません。");
}

// Many pages take their time: a dialog that shows them go and stops them at a press of キャンセル.
// It lives as long as the painting holds the answer.
sheet::PageProgress NativeProgress(QWidget* parent, const QString& label) {
  auto dialog =
      std::make_shared<QProgressDialog>(label, QString::fromUtf8("キャンセル"), 0, 1, parent);
  dialog->setWindowTitle(ToQString(kWindowTitle));
  dialog->setWindowModality(Qt::WindowModal);
  dialog->setMinimumDuration(500);
  dialog->setAutoClose(false);
  dialog->setAutoReset(false);
  return [dialog](int done, int total) {
    dialog->setMaximum(total);
    dialog->setValue(done);
    return !dialog->wasCanceled();
  };
}

bool NativePrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

PartCommands::PartCommands(MainWindow& window, const Calculator& calculator,
                           const FrequencyWindow& frequency)
    : QObject(&window),
      askSavePath(NativeSavePath),
      showFailure(NativeFailure),
      askStlParameters(AskStlParameters),
      askShellParameters(AskShellParameters),
      askProfileStep(AskProfileStep),
      askPrinter(NativePrintDialog),
      askProgress(NativeProgress),
      today(&QDate::currentDate),
      window_(window),
      calculator_(calculator),
      frequency_(frequency) {
  MakeActions();
  connect(&window_, &MainWindow::fieldEdited, this, [this] { Refresh(); });
  Refresh();
}

void PartCommands::MakeActions() {
  QList<QAction*> menu;
  for (std::size_t k = 0; k < actions_.size(); ++k) {
    const MenuRow& row = Entries()[k];
    if (row.separatorBefore) {
      auto* separator = new QAction(this);
      separator->setSeparator(true);
      menu << separator;
    }
    auto* action = new QAction(QString::fromUtf8(row.entry.text), this);
    action->setObjectName(QString::fromLatin1(row.entry.name));
    action->setShortcut(row.entry.shortcut);
    // Anywhere in the window, a field's focus included; the fields take no Ctrl+P or Ctrl+S.
    action->setShortcutContext(Qt::WindowShortcut);
    window_.addAction(action);
    actions_[k] = action;
    menu << action;
    if (k == static_cast<std::size_t>(PartCommand::Print)) {
      connect(action, &QAction::triggered, this, [this] { Guarded([this] { Print(); }); });
    } else {
      connect(action, &QAction::triggered, this,
              [this, kind = row.file] { Guarded([this, kind] { Save(kind); }); });
    }
  }
  if (auto* table = qobject_cast<TextView*>(window_.FieldWidget(FieldId::Text15))) {
    table->AddMenuActions(menu);
  }
}

void PartCommands::Guarded(const std::function<void()>& command) {
  // Nothing a command meets may leave the slot: Qt cannot carry an exception through its loop.
  try {
    command();
  } catch (const std::bad_alloc&) {
    Fail(QString::fromUtf8("ファイルを作れませんでした。"), NoMemory());
  } catch (const std::exception& error) {
    Fail(QString::fromUtf8("ファイルを作れませんでした。"), QString::fromLocal8Bit(error.what()));
  }
}

QAction* PartCommands::Action(PartCommand command) const {
  return actions_[static_cast<std::size_t>(command)];
}

QStringList PartCommands::ShownTexts() const {
  // Every field but the table, which the user cannot edit and the press rewrote with the rest.
  QStringList texts;
  for (int n = 1; n <= kFieldCount; ++n) {
    if (FieldAt(n) != FieldId::Text15) texts << window_.FieldText(FieldAt(n));
  }
  return texts;
}

void PartCommands::Calculated() {
  if (calculator_.LastPressCompleted()) {
    shownDesign_ = ShownTexts();
  } else {
    shownDesign_.reset();
  }
  Refresh();
}

bool PartCommands::ShowsCalculatedDesign() const {
  return calculator_.LastPressCompleted() && shownDesign_ && *shownDesign_ == ShownTexts();
}

std::optional<part::Design> PartCommands::ShownDesign() const {
  if (!ShowsCalculatedDesign()) return std::nullopt;
  return part::ReadDesign(calculator_.Fields());
}

std::optional<sheet::SheetContent> PartCommands::Content() const {
  return sheet::ReadSheetContent(calculator_.Fields(), today(), frequency_.Setting());
}

void PartCommands::Refresh() {
  available_ = ShowsCalculatedDesign();
  for (std::size_t k = 0; k < actions_.size(); ++k) {
    actions_[k]->setEnabled(available_);
    actions_[k]->setToolTip(
        QString::fromUtf8(available_ ? Entries()[k].entry.tip : kNeedsCalculation));
  }
}

QString PartCommands::ProposedPath(PartFile kind) const {
  QString folder = lastFolder_;
  if (folder.isEmpty())
    folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  const QString stem = QString::fromStdString(part::DesignFileStem(calculator_.Fields()));
  return QDir(folder).filePath(stem + NameSuffix(kind) + QLatin1Char('.') + Extension(kind));
}

void PartCommands::Fail(const QString& what, const QString& reason) const {
  showFailure(&window_, what + QStringLiteral("\n\n") + reason);
}

bool PartCommands::AskChoices(PartFile kind, FileOptions& options, std::set<PartFile>& asked) {
  if (asked.contains(kind)) return true;
  asked.insert(kind);
  if (kind == PartFile::Stl) {
    const std::optional<StlParameters> stl = askStlParameters(&window_);
    if (stl) options.subSolid = *stl;
    return stl.has_value();
  }
  if (kind == PartFile::MainStl) {
    const std::optional<StlParameters> shell = askShellParameters(&window_);
    if (shell) options.mainShell = *shell;
    return shell.has_value();
  }
  if (kind == PartFile::MainCsv) {
    const std::optional<double> step = askProfileStep(&window_);
    if (step) options.mainProfileStepMm = *step;
    return step.has_value();
  }
  return true;
}

void PartCommands::Save(PartFile preferred) {
  if (!available_) return;
  const std::optional<sheet::SheetContent> content = Content();
  if (!content) {
    Fail(QString::fromUtf8("保存できませんでした。"), NoSurface());
    return;
  }
  // A file that takes a choice asks it first, then where to save it.
  FileOptions options;
  std::set<PartFile> asked;
  if (!AskChoices(preferred, options, asked)) return;
  QStringList filters;
  for (const PartFile kind : SameGroup(preferred)) filters << Filter(kind);
  QString chosen = Filter(preferred);
  QString path =
      askSavePath(&window_, ProposedPath(preferred), filters.join(QStringLiteral(";;")), &chosen);
  if (path.isEmpty()) return;
  // The name's extension decides among the part's files; a name without one of them gets the
  // chosen type's.
  const std::optional<PartFile> named = KindOfPath(path, preferred);
  const PartFile kind = named.value_or(KindOfFilter(chosen, preferred).value_or(preferred));
  if (!named) path += QLatin1Char('.') + Extension(kind);
  lastFolder_ = QFileInfo(path).absolutePath();
  if (!AskChoices(kind, options, asked)) return;

  const QString what =
      QString::fromUtf8("%1 を保存できませんでした。").arg(QDir::toNativeSeparators(path));
  std::optional<QByteArray> bytes;
  try {
    bytes = PartFileBytes(kind, *content, calculator_.Fields().Text(FieldId::Text15), options,
                          kind == PartFile::Pdf
                              ? askProgress(&window_, QString::fromUtf8("PDF を作っています…"))
                              : sheet::PageProgress{});
  } catch (const CalcError&) {
    Fail(what, NoSurface());
    return;
  } catch (const TooManyPoints&) {
    Fail(what, TooManyPointsReason());
    return;
  } catch (const std::invalid_argument&) {
    // A back too thin to stand apart from the rim plane in the file's precision, or a solid or a
    // profile of more facets or rows than a file should hold.
    Fail(what, QString::fromUtf8("この厚さと分割数、または間隔では作れません。"));
    return;
  }
  if (!bytes) return;  // cancelled: nothing is written
  if (const std::optional<QString> reason = WriteWholeFile(path, *bytes)) Fail(what, *reason);
}

void PartCommands::Print() {
  if (!available_) return;
  const std::optional<sheet::SheetContent> content = Content();
  const QString what = QString::fromUtf8("印刷できませんでした。");
  if (!content) {
    Fail(what, NoSurface());
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(content->designName);
  if (!askPrinter(printer, &window_)) return;
  try {
    if (!sheet::PaintDesignDocument(printer, *content,
                                    askProgress(&window_, QString::fromUtf8("印刷しています…")))) {
      printer.abort();
      return;
    }
  } catch (const CalcError&) {
    Fail(what, NoSurface());
    return;
  } catch (const TooManyPoints&) {
    Fail(what, TooManyPointsReason());
    return;
  }
  if (printer.printerState() == QPrinter::Error) {
    Fail(what, QString::fromUtf8("プリンターがエラーを返しました。"));
  }
}

}  // namespace velmora::ui
