#include "whole_file.h"

#include <QSaveFile>

namespace velmora::ui {

std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  // No writing in place where the folder refuses a temporary file: that could leave half a file.
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(bytes) != bytes.size()) {
    QString reason = file.errorString();
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

}  // namespace velmora::ui
