#include "sweep.h"

#include <QFile>
#include <QStringList>
#include <cmath>

#include "calc_error.h"
#include "cli_failure.h"
#include "messages.h"
#include "number_text.h"
#include "shortest_text.h"

namespace velmora::cli {
namespace {

QString InputList() {
  QStringList names;
  for (const InputName& input : kInputNames) names << QString::fromLatin1(input.name);
  return names.join(QStringLiteral(", "));
}

std::optional<double> Number(const QString& text) {
  try {
    return ToNumber(text.toStdString());
  } catch (const CalcError&) {
    return std::nullopt;
  }
}

// A cell of the designs file: its text without the quotes around it and the blanks beside them.
QString Cell(const QString& raw) {
  QString cell = raw.trimmed();
  if (cell.size() >= 2 && cell.startsWith(QLatin1Char('"')) && cell.endsWith(QLatin1Char('"'))) {
    cell = cell.mid(1, cell.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
  }
  return cell;
}

QStringList Cells(const QString& line) {
  QStringList cells = line.split(QLatin1Char(','));
  for (QString& cell : cells) cell = Cell(cell);
  return cells;
}

CliFailure TooMany(const QString& count) {
  return {Exit::Usage, Say(phrase::kTooManyDesigns).arg(count, CountText(kMaxDesigns)), true};
}

QString MoreThanMost() {
  return QStringLiteral("> ") + CountText(kMaxDesigns);
}

}  // namespace

SweepAxis ReadSweep(const QString& spec) {
  const CliFailure malformed{Exit::Usage, Say(phrase::kBadSweep).arg(spec, InputList()), true};
  const qsizetype equals = spec.indexOf(QLatin1Char('='));
  if (equals < 0) throw malformed;
  const auto input = InputIndex(spec.left(equals).toStdString());
  const QStringList range = spec.mid(equals + 1).split(QLatin1Char(':'));
  if (!input || range.size() != 3) throw malformed;
  const std::optional<double> from = Number(range[0]);
  const std::optional<double> to = Number(range[1]);
  const std::optional<double> step = Number(range[2]);
  if (!from || !to || !step) throw malformed;
  const double span = (*to - *from) / *step;
  if (*step == 0.0 || !std::isfinite(span) || span < 0.0) {
    throw CliFailure{Exit::Usage, Say(phrase::kSweepStep).arg(spec), true};
  }
  // Counted rather than summed, so that a step such as 0.1 reaches TO despite its rounding.
  const double count = std::floor(span + 1e-9) + 1.0;
  if (count > static_cast<double>(kMaxDesigns)) {
    constexpr double kExactCounts = 1e18;  // beyond, a count is shown in exponent form
    throw TooMany(count < kExactCounts ? CountText(static_cast<std::uint64_t>(count))
                                       : QString::fromStdString(ShortestText(count)));
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

std::vector<InputTexts> ReadDesignsCsv(const QString& path, const InputTexts& base) {
  QFile file;
  const bool standardInput = path == QStringLiteral("-");
  const bool opened = standardInput ? file.open(stdin, QIODevice::ReadOnly)
                                    : (file.setFileName(path), file.open(QIODevice::ReadOnly));
  if (!opened) {
    throw CliFailure{Exit::Usage, Say(phrase::kCannotRead).arg(path, file.errorString())};
  }
  const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  std::vector<std::size_t> columns;
  std::vector<InputTexts> designs;
  for (qsizetype row = 0; row < lines.size(); ++row) {
    QString line = lines[row];
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    if (line.trimmed().isEmpty()) continue;
    const QStringList cells = Cells(line);
    if (columns.empty()) {
      for (const QString& name : cells) {
        const auto input = InputIndex(name.toStdString());
        if (!input) throw CliFailure{Exit::Usage, Say(phrase::kNoColumn).arg(path, name)};
        columns.push_back(*input);
      }
      continue;
    }
    InputTexts texts = base;
    for (qsizetype k = 0; k < cells.size() && k < static_cast<qsizetype>(columns.size()); ++k) {
      const std::size_t input = columns[static_cast<std::size_t>(k)];
      if (cells[k].isEmpty()) continue;  // the default, or the command line's text
      if (!Number(cells[k])) {
        throw CliFailure{Exit::Usage,
                         Say(phrase::kBadCell)
                             .arg(path, CountText(static_cast<std::uint64_t>(row + 1)),
                                  QString::fromLatin1(kInputNames.at(input).name), cells[k])};
      }
      texts.at(input) = cells[k].toStdString();
    }
    designs.push_back(std::move(texts));
    if (designs.size() > kMaxDesigns) throw TooMany(MoreThanMost());
  }
  return designs;
}

}  // namespace velmora::cli
