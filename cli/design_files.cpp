#include "design_files.h"

#include <QDate>
#include <QDir>
#include <QRegularExpression>
#include <stdexcept>

#include "calc_error.h"
#include "cli_failure.h"
#include "curve_sampling.h"
#include "messages.h"
#include "whole_file.h"

namespace velmora::cli {
namespace {

const QRegularExpression& BracedName() {
  static const QRegularExpression name(QStringLiteral("\\{([^{}]*)\\}"));
  return name;
}

QString FileName(const QString& pattern, const std::array<std::string, kInputNames.size()>& texts) {
  QString name;
  qsizetype from = 0;
  auto matches = BracedName().globalMatch(pattern);
  while (matches.hasNext()) {
    const QRegularExpressionMatch match = matches.next();
    name += pattern.mid(from, match.capturedStart() - from);
    const auto input = InputIndex(match.captured(1).toStdString());
    name += QString::fromStdString(texts.at(input.value()));
    from = match.capturedEnd();
  }
  return name + pattern.mid(from);
}

CliFailure CannotMake(const QString& path, const QString& reason, Exit exit) {
  return {exit, Say(phrase::kCannotMake).arg(QDir::toNativeSeparators(path), reason)};
}

}  // namespace

void CheckNamePattern(const FileRequest& request, bool manyDesigns) {
  const QString option = QString::fromLatin1(request.option.name);
  bool named = false;
  auto matches = BracedName().globalMatch(request.pattern);
  while (matches.hasNext()) {
    const QString name = matches.next().captured(1);
    if (!InputIndex(name.toStdString())) {
      throw CliFailure{Exit::Usage, Say(phrase::kUnknownName).arg(option, request.pattern, name)};
    }
    named = true;
  }
  if (manyDesigns && !named) {
    throw CliFailure{Exit::Usage, Say(phrase::kNeedsPattern).arg(option, request.pattern)};
  }
}

std::array<std::string, kInputNames.size()> InputTextsOf(const FieldSet& fields) {
  std::array<std::string, kInputNames.size()> texts;
  for (std::size_t k = 0; k < texts.size(); ++k) texts.at(k) = fields.Text(kInputNames.at(k).field);
  return texts;
}

void WriteDesignFiles(const FieldSet& fields, const std::vector<FileRequest>& requests,
                      const ui::FileOptions& options) {
  if (requests.empty()) return;
  const std::optional<sheet::SheetContent> content =
      sheet::ReadSheetContent(fields, QDate::currentDate());
  const auto texts = InputTextsOf(fields);
  // Every file is made before the first is written, so a design that cannot be drawn writes none.
  std::vector<std::pair<QString, QByteArray>> files;
  for (const FileRequest& request : requests) {
    const QString path = FileName(request.pattern, texts);
    if (!content) throw CannotMake(path, Say(phrase::kNoSurface), Exit::CalculationStopped);
    try {
      std::optional<QByteArray> bytes =
          ui::PartFileBytes(request.option.kind, *content, fields.Text(FieldId::Text15), options);
      files.emplace_back(path, bytes.value_or(QByteArray()));
    } catch (const CalcError&) {
      throw CannotMake(path, Say(phrase::kNoSurface), Exit::CalculationStopped);
    } catch (const TooManyPoints&) {
      throw CannotMake(path, Say(phrase::kTooManyPoints), Exit::CalculationStopped);
    } catch (const std::invalid_argument& refused) {
      throw CannotMake(path, Say(phrase::kWriterRefuses).arg(QString::fromUtf8(refused.what())),
                       Exit::Usage);
    }
  }
  for (const auto& [path, bytes] : files) {
    if (const std::optional<QString> reason = ui::WriteWholeFile(path, bytes)) {
      throw CliFailure{Exit::FileNotWritten,
                       Say(phrase::kCannotWrite).arg(QDir::toNativeSeparators(path), *reason)};
    }
  }
}

}  // namespace velmora::cli
