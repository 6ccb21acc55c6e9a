#pragma once

// A file written whole or not at all: the bytes go to a temporary file beside the target, which
// replaces the target only once everything is on disk. A failure leaves the target as it was and
// no partial file behind.

#include <QByteArray>
#include <QString>
#include <optional>

namespace velmora::ui {

// Nothing when the file is written; else the system's reason.
std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace velmora::ui
