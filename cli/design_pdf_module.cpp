// The PDF maker: the only part of velmora-cli that uses Qt.

#include <QDate>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "calc_error.h"
#include "curve_sampling.h"
#include "design_pdf.h"
#include "design_sheet.h"
#include "fonts.h"
#include "sheet_content.h"
#include "velmora_version.h"

namespace {

using velmora::cli::PdfOutcome;

// Standard error carries the program's messages only: Qt's remarks on its set-up (a runtime
// folder that the offscreen platform would like) are no concern of the shell user.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtFatalMsg) return;
  const QByteArray bytes = message.toUtf8() + '\n';
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

std::unique_ptr<QGuiApplication>& Application() {
  static std::unique_ptr<QGuiApplication> application;
  return application;
}

// The PDF's faces and pages need a screen's font machinery: a virtual one.
void StartQt() {
  if (Application()) return;
  qInstallMessageHandler(QuietQt);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "velmora-cli";
  static char* argv[] = {name, nullptr};
  Application() = std::make_unique<QGuiApplication>(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("velmora-cli"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(velmora::version::kDisplayVersion));
  velmora::ui::InstallFontSubstitutes();
}

}  // namespace

int velmora_cli_design_pdf(const velmora::FieldSet& fields,
                           const velmora::part::ElectricalInputs* electrical, std::string& bytes) {
  StartQt();
  const auto content = velmora::sheet::ReadSheetContent(
      fields, QDate::currentDate(),
      electrical != nullptr ? std::optional(*electrical) : std::nullopt);
  if (!content) return static_cast<int>(PdfOutcome::NoSurface);
  try {
    const std::optional<QByteArray> pdf = velmora::sheet::DesignPdf(*content);
    bytes = pdf ? pdf->toStdString() : std::string();
  } catch (const velmora::CalcError&) {
    return static_cast<int>(PdfOutcome::NoSurface);
  } catch (const velmora::TooManyPoints&) {
    return static_cast<int>(PdfOutcome::TooManyPoints);
  }
  return static_cast<int>(PdfOutcome::Made);
}

void velmora_cli_pdf_done() {
  Application().reset();
}
