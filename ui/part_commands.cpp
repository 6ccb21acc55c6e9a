#include "part_commands.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <stdexcept>

#include "calc_error.h"
#include "design_sheet.h"
#include "form_layout.h"
#include "main_window.h"
#include "profile_view.h"
#include "qt_text.h"
#include "stl_dialog.h"
#include "whole_file.h"

namespace velmora::ui {
namespace {

struct EntryRow {
  const char* text;
  QKeySequence shortcut;
  const char* name;
  const char* tip;  // what an enabled entry makes
};

const std::array<EntryRow, 5>& Entries() {
  static const std::array<EntryRow, 5> entries = {{
      {"設計書と型紙を印刷…", QKeySequence(Qt::CTRL | Qt::Key_P), "print",
       "設計書と実寸の型紙を印刷します"},
      {"設計書と型紙を PDF で保存…", QKeySequence(Qt::CTRL | Qt::Key_S), "savePdf",
       "設計書と実寸の型紙を PDF ファイルに保存します"},
      {"断面を DXF で保存…", {}, "saveDxf", "断面を CAD 用の DXF ファイルに保存します"},
      {"プロファイルを CSV で保存…", {}, "saveCsv", "プロファイル表を CSV ファイルに保存します"},
      {"副反射鏡を STL で保存…",
       {},
       "saveStl",
       "副反射鏡を 3D プリンター用の STL ファイルに保存します"},
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

bool NativePrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

PartCommands::PartCommands(MainWindow& window, const Calculator& calculator)
    : QObject(&window),
      askSavePath(NativeSavePath),
      showFailure(NativeFailure),
      askStlParameters(AskStlParameters),
      askPrinter(NativePrintDialog),
      today(&QDate::currentDate),
      window_(window),
      calculator_(calculator) {
  MakeActions();
  connect(&window_, &MainWindow::fieldEdited, this, [this] { Refresh(); });
  Refresh();
}

void PartCommands::MakeActions() {
  QList<QAction*> menu;
  for (std::size_t k = 0; k < actions_.size(); ++k) {
    const EntryRow& row = Entries()[k];
    auto* action = new QAction(QString::fromUtf8(row.text), this);
    action->setObjectName(QString::fromLatin1(row.name));
    action->setShortcut(row.shortcut);
    // Anywhere in the window, a field's focus included; the fields take no Ctrl+P or Ctrl+S.
    action->setShortcutContext(Qt::WindowShortcut);
    window_.addAction(action);
    actions_[k] = action;
    menu << action;
  }
  connect(actions_[0], &QAction::triggered, this, [this] { Print(); });
  const std::array<PartFile, 4> files = {PartFile::Pdf, PartFile::Dxf, PartFile::Csv,
                                         PartFile::Stl};
  for (std::size_t k = 0; k < files.size(); ++k) {
    connect(actions_[k + 1], &QAction::triggered, this, [this, kind = files[k]] { Save(kind); });
  }
  if (auto* table = qobject_cast<ProfileView*>(window_.FieldWidget(FieldId::Text15))) {
    table->AddMenuActions(menu);
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

void PartCommands::Refresh() {
  available_ = calculator_.LastPressCompleted() && shownDesign_ && *shownDesign_ == ShownTexts();
  for (std::size_t k = 0; k < actions_.size(); ++k) {
    actions_[k]->setEnabled(available_);
    actions_[k]->setToolTip(QString::fromUtf8(available_ ? Entries()[k].tip : kNeedsCalculation));
  }
}

QString PartCommands::ProposedPath(PartFile kind) const {
  QString folder = lastFolder_;
  if (folder.isEmpty())
    folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  const QString stem = QString::fromStdString(part::DesignFileStem(calculator_.Fields()));
  return QDir(folder).filePath(stem + QLatin1Char('.') + Extension(kind));
}

void PartCommands::Fail(const QString& what, const QString& reason) const {
  showFailure(&window_, what + QStringLiteral("\n\n") + reason);
}

void PartCommands::Save(PartFile preferred) {
  if (!available_) return;
  const std::optional<SheetContent> content = ReadSheetContent(calculator_.Fields(), today());
  if (!content) {
    Fail(QString::fromUtf8("保存できませんでした。"), NoSurface());
    return;
  }
  std::optional<StlParameters> stl;
  if (preferred == PartFile::Stl && !(stl = askStlParameters(&window_))) return;
  QStringList filters;
  for (const PartFile kind : PartFiles()) filters << Filter(kind);
  QString chosen = Filter(preferred);
  QString path =
      askSavePath(&window_, ProposedPath(preferred), filters.join(QStringLiteral(";;")), &chosen);
  if (path.isEmpty()) return;
  // The name's extension decides; a name without one of ours gets the chosen type's.
  const std::optional<PartFile> named = KindOfPath(path);
  const PartFile kind = named.value_or(KindOfFilter(chosen).value_or(preferred));
  if (!named) path += QLatin1Char('.') + Extension(kind);
  lastFolder_ = QFileInfo(path).absolutePath();
  if (kind == PartFile::Stl && !stl && !(stl = askStlParameters(&window_))) return;

  const QString what =
      QString::fromUtf8("%1 を保存できませんでした。").arg(QDir::toNativeSeparators(path));
  QByteArray bytes;
  try {
    bytes = PartFileBytes(kind, *content, calculator_.Fields().Text(FieldId::Text15),
                          stl.value_or(StlParameters{}));
  } catch (const CalcError&) {
    Fail(what, NoSurface());
    return;
  } catch (const std::invalid_argument&) {
    // A back too thin to stand apart from the rim plane in the file's precision.
    Fail(what, QString::fromUtf8("この厚さと分割数では立体を作れません。"));
    return;
  }
  if (const std::optional<QString> reason = WriteWholeFile(path, bytes)) Fail(what, *reason);
}

void PartCommands::Print() {
  if (!available_) return;
  const std::optional<SheetContent> content = ReadSheetContent(calculator_.Fields(), today());
  const QString what = QString::fromUtf8("印刷できませんでした。");
  if (!content) {
    Fail(what, NoSurface());
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(content->designName);
  if (!askPrinter(printer, &window_)) return;
  try {
    PaintDesignDocument(printer, *content);
  } catch (const CalcError&) {
    Fail(what, NoSurface());
    return;
  }
  if (printer.printerState() == QPrinter::Error) {
    Fail(what, QString::fromUtf8("プリンターがエラーを返しました。"));
  }
}

}  // namespace velmora::ui
