#pragma once

// Keeps the window's fields and the calculator's field set one and the same: every write by the
// calculator shows in its widget at once, and every edit by the user reaches the field set. A
// field with a length limit refuses, in its widget, what would go beyond it, so an edit arrives
// whole. The profile table is read-only: its view reads the field's own string in place, told of
// each write.

#include <QObject>
#include <QString>
#include <string>

#include "field_set.h"

namespace velmora::ui {

class MainWindow;

class FieldBinding : public QObject {
 public:
  FieldBinding(FieldSet& fields, MainWindow& window);

 private:
  void OnUserEdit(int field, const QString& text);
  void ShowTable(const std::string& text);

  FieldSet& fields_;
  MainWindow& window_;
};

}  // namespace velmora::ui
