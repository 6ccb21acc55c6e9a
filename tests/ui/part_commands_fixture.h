#pragma once

// The program started with its part commands' dialogs answered here: what the save dialog was
// proposed and answers, what each message box said, and the order the dialogs were asked in.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QTest>
#include <memory>

#include "app.h"
#include "part_commands.h"
#include "started_shell.h"

namespace velmora::ui {

inline QString Utf8(const char* text) {
  return QString::fromUtf8(text);
}

class PartCommandsFixture : public QObject {
 protected:
  std::unique_ptr<Shell> form_;
  QStringList proposed_;  // what each save dialog proposed
  QStringList failures_;  // what each message box said
  QStringList asked_;     // the dialogs in the order they were asked
  QString answer_;        // the save dialog's answer
  QString chosenFilter_;  // the filter it reports, empty: keep the proposed one

  // A fresh program with every dialog answered here, and nothing yet asked or said.
  Shell& Started() {
    proposed_.clear();
    failures_.clear();
    asked_.clear();
    answer_.clear();
    chosenFilter_.clear();
    form_ = StartedShell();
    PartCommands& commands = form_->PartFileCommands();
    commands.askSavePath = [this](QWidget*, const QString& proposed, const QString& filters,
                                  QString* chosen) {
      asked_ << QStringLiteral("save");
      proposed_ << proposed + QStringLiteral(" | ") + *chosen + QStringLiteral(" | ") + filters;
      if (!chosenFilter_.isEmpty()) *chosen = chosenFilter_;
      return answer_;
    };
    commands.showFailure = [this](QWidget*, const QString& message) { failures_ << message; };
    commands.askStlParameters = [this](QWidget*) -> std::optional<StlParameters> {
      asked_ << QStringLiteral("stl");
      return StlParameters{.thicknessMm = 2.5, .facetsPerTurn = 720};
    };
    commands.askShellParameters = [this](QWidget*) -> std::optional<StlParameters> {
      asked_ << QStringLiteral("shell");
      return StlParameters{.thicknessMm = 1.5, .facetsPerTurn = 90};
    };
    commands.askProfileStep = [this](QWidget*) -> std::optional<double> {
      asked_ << QStringLiteral("step");
      return 25.0;
    };
    commands.askPrinter = [this](QPrinter&, QWidget*) {
      asked_ << QStringLiteral("print");
      return false;
    };
    return *form_;
  }
  QAction* Action(PartCommand command) { return form_->PartFileCommands().Action(command); }
  QLineEdit* Field(velmora::FieldId field) {
    return qobject_cast<QLineEdit*>(form_->Window().FieldWidget(field));
  }
  void Calculate() { ClickCommand(*form_, Command::Calculate); }
  bool AllEnabled(bool enabled) {
    for (std::size_t k = 0; k < kPartCommandCount; ++k) {
      const auto c = static_cast<PartCommand>(k);
      if (Action(c)->isEnabled() != enabled) return false;
      if (!enabled && Action(c)->toolTip() != Utf8(kNeedsCalculation)) return false;
    }
    return true;
  }
  void Type(velmora::FieldId field, const QString& text) {
    Field(field)->setFocus(Qt::TabFocusReason);
    Field(field)->selectAll();
    QTest::keyClicks(Field(field), text);
  }
};

}  // namespace velmora::ui
