#include "command_line.h"

#include <QCommandLineParser>
#include <cmath>
#include <cstring>
#include <limits>

#include "calc_error.h"
#include "cli_failure.h"
#include "messages.h"
#include "number_text.h"

namespace velmora::cli {
namespace {

struct OptionHelp {
  std::string_view name;
  const Phrase* help;
  const char* value;  // the value's name in the help, or nullptr for a switch
};

constexpr std::array<OptionHelp, 7> kInputHelp = {{
    {"main-diameter", &phrase::kMainDiameter, "D"},
    {"main-fd", &phrase::kMainFd, "F/D"},
    {"sub-diameter", &phrase::kSubDiameter, "d"},
    {"feed-fd", &phrase::kFeedFd, "F/D"},
    {"start", &phrase::kStart, "Y"},
    {"stop", &phrase::kStop, "Y"},
    {"step", &phrase::kStep, "STEP"},
}};

constexpr std::array<OptionHelp, 8> kFileHelp = {{
    {"pdf", &phrase::kPdf, "FILE"},
    {"dxf", &phrase::kDxf, "FILE"},
    {"csv", &phrase::kCsv, "FILE"},
    {"stl", &phrase::kStl, "FILE"},
    {"main-dxf", &phrase::kMainDxf, "FILE"},
    {"main-csv", &phrase::kMainCsv, "FILE"},
    {"main-stl", &phrase::kMainStl, "FILE"},
    {"assembly-dxf", &phrase::kAssemblyDxf, "FILE"},
}};

constexpr std::array<OptionHelp, 9> kOtherHelp = {{
    {"json", &phrase::kJson, nullptr},
    {"table", &phrase::kTable, nullptr},
    {"stl-thickness", &phrase::kStlThickness, "MM"},
    {"stl-facets", &phrase::kStlFacets, "N"},
    {"main-stl-thickness", &phrase::kMainStlThickness, "MM"},
    {"main-stl-facets", &phrase::kMainStlFacets, "N"},
    {"main-csv-step", &phrase::kMainCsvStep, "MM"},
    {"sweep", &phrase::kSweep, "NAME=FROM:TO:STEP"},
    {"designs", &phrase::kDesigns, "FILE.csv"},
}};

QString Name(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

template <std::size_t N>
void AddOptions(QCommandLineParser& parser, const std::array<OptionHelp, N>& options) {
  for (const OptionHelp& option : options) {
    if (option.value == nullptr) {
      parser.addOption(QCommandLineOption(Name(option.name), Say(*option.help)));
    } else {
      parser.addOption(QCommandLineOption(Name(option.name), Say(*option.help),
                                          QString::fromLatin1(option.value)));
    }
  }
}

void Describe(QCommandLineParser& parser) {
  parser.setApplicationDescription(Say(phrase::kSummary) + QStringLiteral("\n\n") +
                                   Say(phrase::kFileNote) + QStringLiteral("\n") +
                                   Say(phrase::kExitCodes));
  parser.addHelpOption();
  parser.addVersionOption();
  AddOptions(parser, kInputHelp);
  AddOptions(parser, kOtherHelp);
  AddOptions(parser, kFileHelp);
}

CliFailure Usage(const QString& message) {
  return {Exit::Usage, message, true};
}

// The value as the core reads a field's number: the text a design is typed from is checked by the
// rule that will read it.
double NumberOf(const QString& option, const QString& text) {
  try {
    return ToNumber(text.toStdString());
  } catch (const CalcError&) {
    throw Usage(Say(phrase::kNotANumber).arg(option, text));
  }
}

int CountOf(const QString& option, const QString& text) {
  const double number = NumberOf(option, text);
  if (number != std::floor(number) || std::fabs(number) > std::numeric_limits<int>::max()) {
    throw Usage(Say(phrase::kNotACount).arg(option, text));
  }
  return static_cast<int>(number);
}

}  // namespace

Request ReadCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  Describe(parser);
  if (!parser.parse(arguments)) throw Usage(parser.errorText());
  Request request;
  request.help = parser.isSet(QStringLiteral("help"));
  request.version = parser.isSet(QStringLiteral("version"));
  if (request.help || request.version) return request;
  if (!parser.positionalArguments().isEmpty()) {
    throw Usage(Say(phrase::kUnexpected).arg(parser.positionalArguments().first()));
  }

  for (std::size_t k = 0; k < kInputNames.size(); ++k) {
    const QString name = Name(kInputNames.at(k).name);
    if (!parser.isSet(name)) continue;
    const QString text = parser.value(name);
    NumberOf(name, text);
    request.inputs.at(k) = text.toStdString();
  }
  if (parser.isSet(QStringLiteral("json"))) request.output = Output::Json;
  if (parser.isSet(QStringLiteral("table"))) request.output = Output::Table;

  ui::FileOptions& files = request.fileOptions;
  const auto number = [&parser](const char* name, double& into) {
    const QString option = QString::fromLatin1(name);
    if (parser.isSet(option)) into = NumberOf(option, parser.value(option));
  };
  const auto count = [&parser](const char* name, int& into) {
    const QString option = QString::fromLatin1(name);
    if (parser.isSet(option)) into = CountOf(option, parser.value(option));
  };
  number("stl-thickness", files.subSolid.thicknessMm);
  count("stl-facets", files.subSolid.facetsPerTurn);
  number("main-stl-thickness", files.mainShell.thicknessMm);
  count("main-stl-facets", files.mainShell.facetsPerTurn);
  number("main-csv-step", files.mainProfileStepMm);

  for (const QString& spec : parser.values(QStringLiteral("sweep"))) {
    request.sweeps.push_back(ReadSweep(spec));
  }
  CombinationCount(request.sweeps);
  if (parser.isSet(QStringLiteral("designs"))) {
    if (!request.sweeps.empty()) throw Usage(Say(phrase::kBothSweeps));
    request.designsPath = parser.value(QStringLiteral("designs"));
  }
  if (request.ManyDesigns() && request.output == Output::Table) {
    throw Usage(Say(phrase::kTableInSweep));
  }

  for (const FileOption& option : kFileOptions) {
    const QString name = Name(option.name);
    if (!parser.isSet(name)) continue;
    FileRequest file{option, parser.value(name)};
    CheckNamePattern(file, request.ManyDesigns());
    request.files.push_back(std::move(file));
  }
  return request;
}

QString HelpText() {
  QCommandLineParser parser;
  Describe(parser);
  return parser.helpText();
}

bool AsksForPdf(int argc, const char* const* argv) {
  for (int k = 1; k < argc; ++k) {
    const std::string_view argument = argv[k];
    if (argument == "--pdf" || argument.starts_with("--pdf=")) return true;
  }
  return false;
}

}  // namespace velmora::cli
