// velmora-cli: the window's calculation, table and files from a shell.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <memory>

#include "cli_failure.h"
#include "command_line.h"
#include "fonts.h"
#include "messages.h"
#include "run_request.h"
#include "velmora_version.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

using namespace velmora::cli;

namespace {

// Results are bytes: the table's CR LF stays as it is, and a Windows console shows UTF-8.
void SetUpStandardStreams() {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
#endif
}

void Say(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
  if (!text.endsWith(QLatin1Char('\n'))) std::fputc('\n', stream);
}

// Standard error carries this program's messages only: Qt's remarks on its set-up (a runtime folder
// that the offscreen platform would like) are no concern of the shell user.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) Say(stderr, message);
}

// Qt's own messages (an unknown option, the help's headings) in Japanese where the session is.
void LoadQtTranslations(QCoreApplication& app) {
  if (!JapaneseSession()) return;
  auto* translator = new QTranslator(&app);
  const auto load = [&](const QString& folder) {
    return translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                            QStringLiteral("_"), folder);
  };
  if (load(QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      load(QStringLiteral(":/translations"))) {
    QCoreApplication::installTranslator(translator);
  }
}

// The PDF's faces and pages need a screen's font machinery: a virtual one, only when asked for.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
  if (!AsksForPdf(argc, argv)) return std::make_unique<QCoreApplication>(argc, argv);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  auto app = std::make_unique<QGuiApplication>(argc, argv);
  velmora::ui::InstallFontSubstitutes();
  return app;
}

}  // namespace

int main(int argc, char** argv) {
  SetUpStandardStreams();
  qInstallMessageHandler(QuietQt);
  const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("velmora-cli"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(velmora::version::kDisplayVersion));
  LoadQtTranslations(*app);
  try {
    const Request request = ReadCommandLine(QCoreApplication::arguments());
    if (request.help) {
      Say(stdout, HelpText());
    } else if (request.version) {
      Say(stdout,
          QStringLiteral("velmora-cli ") + QString::fromLatin1(velmora::version::kDisplayVersion));
    } else {
      RunRequest(request, stdout);
    }
  } catch (const CliFailure& failure) {
    Say(stderr, QStringLiteral("velmora-cli: ") + failure.message);
    if (failure.showUsage) Say(stderr, HelpText());
    return static_cast<int>(failure.exit);
  }
  return std::fflush(stdout) == 0 ? 0 : static_cast<int>(Exit::FileNotWritten);
}
