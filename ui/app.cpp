#include "app.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "display_start.h"
#include "fonts.h"
#include "japanese_texts.h"
#include "qt_text.h"
#include "running_mark.h"

// The icons are compiled into the static window library; its resources must be registered by name.
static void RegisterIconResources() {
  Q_INIT_RESOURCE(icons);
}

namespace velmora::ui {

void ConfigureApplication(QApplication& app) {
  QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
  // The window system shows a window title followed by the application's display name unless the
  // title already ends with it: the display name is the title itself, so the title stays exact.
  QApplication::setApplicationDisplayName(ToQString(kWindowTitle));
  QApplication::setApplicationVersion(QString::fromLatin1(kApplicationVersion));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationName));
  QApplication::setWindowIcon(ApplicationIcon());
  InstallFontSubstitutes();

  // The program speaks Japanese: Qt's own texts (a field's context menu) come from its Japanese
  // translations, installed with Qt on Debian, carried inside the program on Windows; those of
  // velmora's own components from the program itself.
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  QLocale::setDefault(japanese);
  auto* translator = new QTranslator(&app);
  const auto load = [&](const QString& folder) {
    return translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"), folder);
  };
  if (load(QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      load(QStringLiteral(":/translations"))) {
    QApplication::installTranslator(translator);
  }
  // Stateless, so one for the process; it outlives the application and leaves with it.
  static JapaneseTexts ownTexts;
  QApplication::installTranslator(&ownTexts);
}

QIcon ApplicationIcon() {
  RegisterIconResources();
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/velmora-16.png"), QSize(16, 16));
  icon.addFile(QStringLiteral(":/icons/velmora-32.png"), QSize(32, 32));
  return icon;
}

Shell::Shell(double dotsPerInch)
    : window_(std::make_unique<MainWindow>(dotsPerInch)),
      frequency_(new FrequencyWindow(*window_)),
      partCommands_(new PartCommands(*window_, calculator_, *frequency_)) {
  // The frequency window's entry comes after the part commands' in the table's menu.
  if (auto* table = qobject_cast<TextView*>(window_->FieldWidget(FieldId::Text15))) {
    table->AddMenuActions(frequency_->MenuActions());
  }
  connect(window_.get(), &MainWindow::commandRaised, this, &Shell::OnCommand);
  // A field refuses in its widget what it would not keep, so the edit arrives whole.
  connect(window_.get(), &MainWindow::fieldEdited, this,
          [this](FieldId field, const QString& text) {
            calculator_.Fields().StoreUserText(field, text.toStdString());
            frequency_->ShowDesign(partCommands_->ShownDesign());
          });
}

void Shell::Load() {
  calculator_.Form_Load();
  ShowWrittenFields();
  window_->show();
  window_->FieldWidget(FieldId::Text1)->setFocus(Qt::OtherFocusReason);
}

void Shell::OnCommand(Command command) {
  switch (command) {
    case Command::Calculate:
      Calculate();
      return;
    case Command::Clear:
      calculator_.Command3_Click();
      break;
    case Command::FollowSubDiameter:
      calculator_.Text3_LostFocus();
      break;
    case Command::Exit:
      // No question and nothing to save: the window goes and the event loop ends.
      window_->hide();
      QCoreApplication::exit(0);
      return;
    case Command::None:
      return;
  }
  ShowWrittenFields();
  RefreshCommands();
}

void Shell::RefreshCommands() {
  partCommands_->Refresh();
  frequency_->ShowDesign(partCommands_->ShownDesign());
}

void Shell::Calculate() {
  bool large = false;
  std::optional<IndexedText> indexed;
  calculator_.Command1_Click({
      .rowsPlanned =
          [&large](std::size_t rows) {
            large = rows >= kWaitCursorRows;
            if (large) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
          },
      // The table's index is made before the table replaces the old one: without memory for it,
      // the calculation ends there and the old table stays shown, whole.
      .accept =
          [this, &indexed](const SharedText& table) {
            indexed = window_->IndexFor(FieldId::Text15, table);
            return indexed.has_value();
          },
  });
  ShowWrittenFields(std::move(indexed));
  partCommands_->Calculated();
  frequency_->ShowDesign(partCommands_->ShownDesign());
  if (large) QGuiApplication::restoreOverrideCursor();
}

void Shell::ShowWrittenFields(std::optional<IndexedText> indexed) {
  FieldSet& fields = calculator_.Fields();
  for (int n = 1; n <= kFieldCount; ++n) {
    const FieldId field = FieldAt(n);
    if (!fields.TakeChange(field)) continue;
    // The table indexed ahead is the very string the field now holds.
    if (indexed && indexed->Shared() == fields.SharedText(field)) {
      window_->ShowIndexed(field, std::move(*indexed));
      indexed.reset();
    } else {
      window_->ShowField(field, fields.SharedText(field));
    }
  }
}

int RunApplication(int argc, char** argv) {
  MarkRunning();                                   // for the installer, until the program ends
  const auto app = StartOnTheDisplay(argc, argv);  // ends the process when there is no display
  ConfigureApplication(*app);
  Shell form;
  form.Load();
  return QApplication::exec();
}

}  // namespace velmora::ui
