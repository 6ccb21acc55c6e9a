#include "command_line.h"

#include <getopt.h>

#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <variant>

#include "calc_error.h"
#include "calculator.h"
#include "cli_failure.h"
#include "help_text.h"
#include "messages.h"
#include "number_text.h"
#include "shortest_text.h"
#include "utf8_reader.h"

namespace velmora::cli {
namespace {

// What the program takes for an option left out, as the help shows it.
using DefaultText = std::string (*)();

// A field's text when the window opens.
template <FieldId field>
std::string StartUp() {
  Calculator window;
  window.Form_Load();
  return window.Fields().Text(field);
}

constexpr part::FileOptions kFileDefaults;

struct OptionHelp {
  std::string_view name;
  const Phrase* help;
  const char* value;  // the value's name in the help, or nullptr for a switch
  DefaultText byDefault = nullptr;
};

// The options every program of the kind takes, by the names the help shows: a letter takes one
// dash, a word two; an empty name is none.
struct StandardOption {
  std::string_view windows;
  std::string_view letter;
  std::string_view word;
  const Phrase* help;
};

#ifdef _WIN32
constexpr std::string_view kWindowsHelp = "?";  // as Windows programs answer "/?"
#else
constexpr std::string_view kWindowsHelp = {};
#endif

constexpr std::array<StandardOption, 3> kStandard = {{
    {kWindowsHelp, "h", "help", &phrase::kHelp},
    {{}, {}, "help-all", &phrase::kHelpAll},
    {{}, "v", "version", &phrase::kVersion},
}};

constexpr std::array<OptionHelp, 7> kInputHelp = {{
    {"main-diameter", &phrase::kMainDiameter, "D", &StartUp<FieldId::Text1>},
    {"main-fd", &phrase::kMainFd, "F/D", &StartUp<FieldId::Text2>},
    {"sub-diameter", &phrase::kSubDiameter, "d", &StartUp<FieldId::Text3>},
    {"feed-fd", &phrase::kFeedFd, "F/D", &StartUp<FieldId::Text4>},
    {"start", &phrase::kStart, "Y", &StartUp<FieldId::Text17>},
    {"stop", &phrase::kStop, "Y"},  // half the sub-reflector, as the window follows it
    {"step", &phrase::kStep, "STEP", &StartUp<FieldId::Text19>},
}};

constexpr std::array<OptionHelp, 11> kOtherHelp = {{
    {"json", &phrase::kJson, nullptr},
    {"table", &phrase::kTable, nullptr},
    {"frequency", &phrase::kFrequency, "GHz"},
    {"efficiency", &phrase::kEfficiency, "η",
     [] { return ShortestText(part::kDefaultEfficiency); }},
    {"stl-thickness", &phrase::kStlThickness, "MM",
     [] { return ShortestText(kFileDefaults.subSolid.thicknessMm); }},
    {"stl-facets", &phrase::kStlFacets, "N",
     [] { return CountText(static_cast<std::uint64_t>(kFileDefaults.subSolid.facetsPerTurn)); }},
    {"main-stl-thickness", &phrase::kMainStlThickness, "MM",
     [] { return ShortestText(kFileDefaults.mainShell.thicknessMm); }},
    {"main-stl-facets", &phrase::kMainStlFacets, "N",
     [] { return CountText(static_cast<std::uint64_t>(kFileDefaults.mainShell.facetsPerTurn)); }},
    {"main-csv-step", &phrase::kMainCsvStep, "MM",
     [] { return ShortestText(kFileDefaults.mainProfileStepMm); }},
    {"sweep", &phrase::kSweep, "NAME=FROM:TO:STEP"},
    {"designs", &phrase::kDesigns, "FILE.csv"},
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

// Every option in the order the help lists them.
std::vector<OptionHelp> AllOptions() {
  std::vector<OptionHelp> options;
  options.reserve(kStandard.size() + kInputHelp.size() + kOtherHelp.size() + kFileHelp.size());
  for (const StandardOption& standard : kStandard) {
    options.push_back({standard.word, standard.help, nullptr});
  }
  options.insert(options.end(), kInputHelp.begin(), kInputHelp.end());
  options.insert(options.end(), kOtherHelp.begin(), kOtherHelp.end());
  options.insert(options.end(), kFileHelp.begin(), kFileHelp.end());
  return options;
}

CliFailure Usage(std::string message) {
  return {Exit::Usage, std::move(message), true};
}

// The options found with their values, in the order given, and the arguments of no option.
struct Parsed {
  std::map<std::string, std::vector<std::string>, std::less<>> values;
  std::vector<std::string> positional;

  void Add(std::string_view name, std::string value) {
    values[std::string(name)].push_back(std::move(value));
  }
  [[nodiscard]] bool IsSet(std::string_view name) const { return values.contains(name); }
  // The last value given: a later option overrides an earlier one.
  [[nodiscard]] const std::string& Value(std::string_view name) const {
    return values.find(name)->second.back();
  }
  [[nodiscard]] std::vector<std::string> Values(std::string_view name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::vector<std::string>() : found->second;
  }
};

// The name of a long option as typed: "--main-fd=0.4" -> "main-fd".
std::string_view TypedName(std::string_view argument) {
  argument.remove_prefix(2);
  return argument.substr(0, argument.find('='));
}

// Codes getopt_long returns for the long options, beyond every byte a short option can be.
constexpr int kFirstLongCode = 0x100;

// What a command line does wrong, gathered so that every unknown option is named at once.
struct Faults {
  std::vector<std::string> unknown;
  std::optional<std::string> value;  // a missing or unexpected value: said before any unknown
  int shortFrom = -1;  // the argument whose letters the last unknown short option came from

  // An unknown letter among short options: a character of several bytes is one option.
  void UnknownLetter(char letter, int argument) {
    if (IsUtf8Continuation(letter) && shortFrom == argument && !unknown.empty()) {
      unknown.back() += letter;
    } else {
      unknown.emplace_back(1, letter);
    }
    shortFrom = argument;
  }

  void Refuse() const {
    if (value) throw Usage(*value);
    if (unknown.size() == 1) throw Usage(Say(phrase::kUnknownOption, {unknown.front()}));
    if (unknown.empty()) return;
    std::string listed;
    for (const std::string& name : unknown) listed.append(listed.empty() ? "" : ", ").append(name);
    throw Usage(Say(phrase::kUnknownOptions, {listed}));
  }
};

// A long option getopt_long has read from `typed` (or, with `fault`, failed to): taken only by
// its whole name, where getopt_long would take a unique abbreviation. Returns whether it was
// known; an unknown one took no value.
bool ReadLongOption(const OptionHelp* known, std::string_view typed, bool fault, Parsed& parsed,
                    Faults& faults) {
  const std::string_view name = TypedName(typed);
  if (known == nullptr || known->name != name) {
    faults.unknown.emplace_back(name);
    return false;
  }
  if (!fault) {
    parsed.Add(name, known->value != nullptr ? optarg : "");
  } else if (typed.find('=') == std::string_view::npos) {
    faults.value = Say(phrase::kMissingValue, {typed});
  } else {
    faults.value = Say(phrase::kUnexpectedValue, {"--" + std::string(name)});
  }
  return true;
}

// The command line read by getopt_long, as a user of the window's platform knows the reading:
// every unknown option named before the usage is refused, a missing or unexpected value named by
// the option as typed, the arguments of no option kept in their order.
Parsed Parse(const std::vector<std::string>& arguments) {
  const std::vector<OptionHelp> options = AllOptions();
  std::vector<option> table;
  table.reserve(options.size() + 1);
  for (std::size_t k = 0; k < options.size(); ++k) {
    // The names are string literals: each view ends where its literal's terminator stands.
    table.push_back({options[k].name.data(),
                     options[k].value == nullptr ? no_argument : required_argument, nullptr,
                     kFirstLongCode + static_cast<int>(k)});
  }
  table.push_back({});
  std::vector<std::string> copies = arguments;
  std::vector<char*> argv;
  for (std::string& copy : copies) {
    if (!kWindowsHelp.empty() && copy == "-?") copy = "-h";
    argv.push_back(copy.data());
  }
  argv.push_back(nullptr);
  const int argc = static_cast<int>(copies.size());

  Parsed parsed;
  Faults faults;
  opterr = 0;
  optind = 1;
  for (int before = optind, code = 0;
       // "-": the arguments of no option in their place; ":": a missing value told apart.
       (code = getopt_long(argc, argv.data(), "-:hv", table.data(), nullptr)) != -1;
       before = optind) {
    const bool fault = code == '?' || code == ':';
    const int which = fault ? optopt : code;
    if (code == 1) {
      parsed.positional.emplace_back(optarg);
    } else if (code == 'h' || code == 'v') {
      parsed.Add(code == 'h' ? "help" : "version", {});
    } else if (which >= kFirstLongCode || which == 0) {
      const OptionHelp* known =
          which == 0 ? nullptr : &options[static_cast<std::size_t>(which - kFirstLongCode)];
      // An unknown name takes no value: getopt_long goes on from the argument after it.
      if (!ReadLongOption(known, argv[before], fault, parsed, faults)) optind = before + 1;
    } else {
      faults.UnknownLetter(static_cast<char>(which), before);
    }
  }
  for (int k = optind; k < argc; ++k) parsed.positional.emplace_back(argv[k]);
  faults.Refuse();
  return parsed;
}

// The value as the core reads a field's number: the text a design is typed from is checked by the
// rule that will read it.
double NumberOf(std::string_view option, const std::string& text) {
  try {
    return ToNumber(text);
  } catch (const CalcError&) {
    throw Usage(Say(phrase::kNotANumber, {option, text}));
  }
}

int CountOf(std::string_view option, const std::string& text) {
  const double number = NumberOf(option, text);
  if (number != std::floor(number) || std::fabs(number) > std::numeric_limits<int>::max()) {
    throw Usage(Say(phrase::kNotACount, {option, text}));
  }
  return static_cast<int>(number);
}

void ReadFileChoices(const Parsed& parsed, part::FileOptions& files) {
  const auto number = [&parsed](std::string_view name, double& into) {
    if (parsed.IsSet(name)) into = NumberOf(name, parsed.Value(name));
  };
  const auto count = [&parsed](std::string_view name, int& into) {
    if (parsed.IsSet(name)) into = CountOf(name, parsed.Value(name));
  };
  number("stl-thickness", files.subSolid.thicknessMm);
  count("stl-facets", files.subSolid.facetsPerTurn);
  number("main-stl-thickness", files.mainShell.thicknessMm);
  count("main-stl-facets", files.mainShell.facetsPerTurn);
  number("main-csv-step", files.mainProfileStepMm);
}

// The frequency and η as the frequency window reads them, refused for the same reasons.
std::optional<part::ElectricalInputs> ReadElectrical(const Parsed& parsed) {
  if (!parsed.IsSet("frequency")) {
    if (parsed.IsSet("efficiency")) throw Usage(Say(phrase::kEfficiencyAlone));
    return std::nullopt;
  }
  const std::string& frequency = parsed.Value("frequency");
  const std::string efficiency = parsed.IsSet("efficiency") ? parsed.Value("efficiency") : "";
  const auto read = part::ReadElectricalInputs(frequency, efficiency);
  if (const auto* problem = std::get_if<part::ElectricalProblem>(&read)) {
    const bool ofEfficiency = *problem == part::ElectricalProblem::EfficiencyNotANumber ||
                              *problem == part::ElectricalProblem::EfficiencyOutOfRange;
    throw Usage(
        Say(phrase::kBadElectrical,
            {ofEfficiency ? "efficiency" : "frequency", ofEfficiency ? efficiency : frequency,
             JapaneseSession() ? part::JapaneseReason(*problem) : part::EnglishReason(*problem)}));
  }
  return std::get<part::ElectricalInputs>(read);
}

}  // namespace

Request ReadCommandLine(const std::vector<std::string>& arguments) {
  const Parsed parsed = Parse(arguments);
  Request request;
  // With nothing beyond the help to show, --help-all is the help.
  request.help = parsed.IsSet("help") || parsed.IsSet("help-all");
  request.version = parsed.IsSet("version");
  if (request.help || request.version) return request;
  if (!parsed.positional.empty()) {
    throw Usage(Say(phrase::kUnexpected, {parsed.positional.front()}));
  }

  for (std::size_t k = 0; k < kInputNames.size(); ++k) {
    const std::string_view name = kInputNames.at(k).name;
    if (!parsed.IsSet(name)) continue;
    const std::string& text = parsed.Value(name);
    NumberOf(name, text);
    request.inputs.at(k) = text;
  }
  if (parsed.IsSet("json")) request.output = Output::Json;
  if (parsed.IsSet("table")) request.output = Output::Table;
  ReadFileChoices(parsed, request.fileOptions);
  request.electrical = ReadElectrical(parsed);

  for (const std::string& spec : parsed.Values("sweep")) request.sweeps.push_back(ReadSweep(spec));
  CombinationCount(request.sweeps);
  if (parsed.IsSet("designs")) {
    if (!request.sweeps.empty()) throw Usage(Say(phrase::kBothSweeps));
    request.designsPath = parsed.Value("designs");
  }
  if (request.ManyDesigns() && request.output == Output::Table) {
    throw Usage(Say(phrase::kTableInSweep));
  }

  for (const FileOption& option : kFileOptions) {
    if (!parsed.IsSet(option.name)) continue;
    FileRequest file{option, parsed.Value(option.name)};
    CheckNamePattern(file, request.ManyDesigns());
    request.files.push_back(std::move(file));
  }
  return request;
}

std::string HelpText(std::string_view program) {
  std::vector<HelpEntry> entries;
  for (const StandardOption& standard : kStandard) {
    std::string names;
    for (const std::string_view letter : {standard.windows, standard.letter}) {
      if (!letter.empty()) names.append("-").append(letter).append(", ");
    }
    entries.push_back({names.append("--").append(standard.word), Say(*standard.help)});
  }
  const std::vector<OptionHelp> options = AllOptions();
  for (auto option = options.begin() + kStandard.size(); option != options.end(); ++option) {
    std::string shown = "--" + std::string(option->name);
    if (option->value != nullptr) shown += " <" + std::string(option->value) + '>';
    const std::string byDefault = option->byDefault != nullptr ? option->byDefault() : "";
    entries.push_back({shown, Say(*option->help, {byDefault})});
  }
  const std::string description =
      Say(phrase::kSummary) + "\n\n" + Say(phrase::kFileNote) + "\n" + Say(phrase::kExitCodes);
  const std::string usage = std::string(program) + ' ' + Say(phrase::kOptionsWord);
  return HelpLayout(Say(phrase::kUsage, {usage}), description, Say(phrase::kOptionsHeading),
                    entries);
}

}  // namespace velmora::cli
