#include "sweep.h"

#include <cmath>

#include "calc_error.h"
#include "cli_failure.h"
#include "messages.h"
#include "number_text.h"
#include "shortest_text.h"
#include "system_files.h"
#include "utf8_reader.h"
#include "white_space.h"

namespace velmora::cli {
namespace {

std::string InputList() {
  std::string names;
  for (const InputName& input : kInputNames) {
    if (!names.empty()) names += ", ";
    names += input.name;
  }
  return names;
}

std::optional<double> Number(const std::string& text) {
  try {
    return ToNumber(text);
  } catch (const CalcError&) {
    return std::nullopt;
  }
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t from = 0;;) {
    const std::size_t at = text.find(separator, from);
    parts.push_back(text.substr(from, at == std::string_view::npos ? at : at - from));
    if (at == std::string_view::npos) return parts;
    from = at + 1;
  }
}

std::string_view Trimmed(std::string_view text) {
  std::size_t begin = text.size();
  std::size_t end = 0;
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Character character = ReadUtf8Character(text, at);
    if (!IsWhiteSpace(character.value)) {
      begin = std::min(begin, at);
      end = at + character.bytes;
    }
    at += character.bytes;
  }
  return begin < end ? text.substr(begin, end - begin) : std::string_view();
}

// A cell of the designs file: its text without the quotes around it and the blanks beside them.
std::string Cell(std::string_view raw) {
  const std::string_view cell = Trimmed(raw);
  if (cell.size() < 2 || !cell.starts_with('"') || !cell.ends_with('"')) return std::string(cell);
  std::string unquoted;
  const std::string_view inner = cell.substr(1, cell.size() - 2);
  for (std::size_t k = 0; k < inner.size(); ++k) {
    unquoted += inner[k];
    if (inner[k] == '"' && k + 1 < inner.size() && inner[k + 1] == '"') ++k;
  }
  return unquoted;
}

std::vector<std::string> Cells(std::string_view line) {
  std::vector<std::string> cells;
  for (const std::string_view raw : Split(line, ',')) cells.push_back(Cell(raw));
  return cells;
}

CliFailure TooMany(const std::string& count) {
  return {Exit::Usage, Say(phrase::kTooManyDesigns, {count, CountText(kMaxDesigns)}), true};
}

std::string MoreThanMost() {
  return "> " + CountText(kMaxDesigns);
}

}  // namespace

SweepAxis ReadSweep(const std::string& spec) {
  const CliFailure malformed{Exit::Usage, Say(phrase::kBadSweep, {spec, InputList()}), true};
  const std::size_t equals = spec.find('=');
  if (equals == std::string::npos) throw malformed;
  const auto input = InputIndex(std::string_view(spec).substr(0, equals));
  const std::vector<std::string_view> range = Split(std::string_view(spec).substr(equals + 1), ':');
  if (!input || range.size() != 3) throw malformed;
  const std::optional<double> from = Number(std::string(range[0]));
  const std::optional<double> to = Number(std::string(range[1]));
  const std::optional<double> step = Number(std::string(range[2]));
  if (!from || !to || !step) throw malformed;
  const double span = (*to - *from) / *step;
  if (*step == 0.0 || !std::isfinite(span) || span < 0.0) {
    throw CliFailure{Exit::Usage, Say(phrase::kSweepStep, {spec}), true};
  }
  // Counted rather than summed, so that a step such as 0.1 reaches TO despite its rounding.
  const double count = std::floor(span + 1e-9) + 1.0;
  if (count > static_cast<double>(kMaxDesigns)) {
    constexpr double kExactCounts = 1e18;  // beyond, a count is shown in exponent form
    throw TooMany(count < kExactCounts ? CountText(static_cast<std::uint64_t>(count))
                                       : ShortestText(count));
  }
  SweepAxis axis{*input, {}};
  const auto values = static_cast<std::size_t>(count);
  axis.texts.reserve(values);
  for (std::size_t k = 0; k < values; ++k) {
    axis.texts.push_back(GeneralText(*from + static_cast<double>(k) * *step));
  }
  return axis;
}

std::uint64_t CombinationCount(const std::vector<SweepAxis>& axes) {
  std::uint64_t count = 1;
  for (const SweepAxis& axis : axes) {
    count *= axis.texts.size();
    if (count > kMaxDesigns) throw TooMany(MoreThanMost());
  }
  return count;
}

void ForEachCombination(const std::vector<SweepAxis>& axes, const InputTexts& base,
                        const std::function<void(const InputTexts&)>& design) {
  std::vector<std::size_t> at(axes.size(), 0);
  InputTexts texts = base;
  while (true) {
    for (std::size_t k = 0; k < axes.size(); ++k) texts.at(axes[k].input) = axes[k].texts[at[k]];
    design(texts);
    std::size_t k = axes.size();
    while (k > 0 && ++at[k - 1] == axes[k - 1].texts.size()) at[--k] = 0;
    if (k == 0) return;
  }
}

std::vector<InputTexts> ReadDesignsCsv(const std::string& path, const InputTexts& base) {
  std::string reason;
  const std::optional<std::string> bytes =
      path == "-" ? ReadStandardInput() : ReadWholeFile(path, reason);
  if (!bytes) throw CliFailure{Exit::Usage, Say(phrase::kCannotRead, {path, reason})};
  const std::vector<std::string_view> lines = Split(*bytes, '\n');
  std::vector<std::size_t> columns;
  std::vector<InputTexts> designs;
  for (std::size_t row = 0; row < lines.size(); ++row) {
    std::string_view line = lines[row];
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (Trimmed(line).empty()) continue;
    const std::vector<std::string> cells = Cells(line);
    if (columns.empty()) {
      for (const std::string& name : cells) {
        const auto input = InputIndex(name);
        if (!input) throw CliFailure{Exit::Usage, Say(phrase::kNoColumn, {path, name})};
        columns.push_back(*input);
      }
      continue;
    }
    InputTexts texts = base;
    for (std::size_t k = 0; k < cells.size() && k < columns.size(); ++k) {
      const std::size_t input = columns[k];
      if (cells[k].empty()) continue;  // the default, or the command line's text
      if (!Number(cells[k])) {
        throw CliFailure{Exit::Usage,
                         Say(phrase::kBadCell,
                             {path, CountText(row + 1), kInputNames.at(input).name, cells[k]})};
      }
      texts.at(input) = cells[k];
    }
    designs.push_back(std::move(texts));
    if (designs.size() > kMaxDesigns) throw TooMany(MoreThanMost());
  }
  return designs;
}

}  // namespace velmora::cli
