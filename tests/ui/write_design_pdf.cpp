// Writes the design sheet and templates of a design as the program does, through the window's own
// "PDF で保存" command with the save dialog answered: for the checks that read the PDF back with
// other programs.
//   velmora_write_design_pdf OUT.pdf [D [F]]
// D, when given, is typed into the main reflector diameter before Calculate; the other inputs keep
// their start-up values; F into the frequency window. Exits 1 when the command reports a failure.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

#include "app.h"

using namespace velmora::ui;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fputs("usage: velmora_write_design_pdf OUT.pdf [D [F]]\n", stderr);
    return 2;
  }
  ConfigureApplication(app);
  Shell shell(96.0);
  shell.Load();
  if (argc > 2) {
    auto* diameter = qobject_cast<QLineEdit*>(shell.Window().FieldWidget(velmora::FieldId::Text1));
    const QString typed = QString::fromLocal8Bit(argv[2]);
    diameter->setText(typed);
    emit diameter->textEdited(typed);
  }
  if (argc > 3) {
    shell.Frequency().findChild<QLineEdit*>("frequency")->setText(QString::fromLocal8Bit(argv[3]));
  }
  shell.Window().Button(Command::Calculate)->click();

  PartCommands& commands = shell.PartFileCommands();
  const QString out = QString::fromLocal8Bit(argv[1]);
  commands.askSavePath = [&out](QWidget*, const QString&, const QString&, QString*) { return out; };
  bool failed = false;
  commands.showFailure = [&failed](QWidget*, const QString& message) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    failed = true;
  };
  QAction* save = commands.Action(PartCommand::SavePdf);
  if (!save->isEnabled()) {
    std::fputs("velmora_write_design_pdf: the command is disabled after Calculate\n", stderr);
    return 1;
  }
  save->trigger();
  return failed ? 1 : 0;
}
