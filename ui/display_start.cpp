#include "display_start.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace velmora::ui {
namespace {

// Qt's messages while the application connects, held back until it is known whether they are
// about a display that cannot be reached.
struct HeldMessage {
  QtMsgType type;
  QByteArray file;
  int line;
  QByteArray function;
  QByteArray category;
  QString text;
};
QList<HeldMessage>& Held() {
  static QList<HeldMessage> held;
  return held;
}
QtMessageHandler previousHandler = nullptr;

QString NoDisplayLine() {
  const QByteArray display = qgetenv("DISPLAY");
  const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
  QString what;
  if (display.isEmpty() && wayland.isEmpty()) {
    what = QStringLiteral("no display is set (DISPLAY and WAYLAND_DISPLAY are empty)");
  } else {
    what = QStringLiteral("the display %1 cannot be reached")
               .arg(QString::fromLocal8Bit(display.isEmpty() ? wayland : display));
  }
  return QStringLiteral(
             "velmora: %1; start it from a desktop session, or under a virtual display: "
             "xvfb-run -a velmora\n")
      .arg(what);
}

void HoldOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg && text.contains(QStringLiteral("platform plugin"))) {
    std::fputs(NoDisplayLine().toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
  }
  if (type == QtFatalMsg) {
    // Not about the display: Qt's own words, then Qt's own end.
    previousHandler(type, context, text);
    return;
  }
  Held().append({type, QByteArray(context.file), context.line, QByteArray(context.function),
                 QByteArray(context.category), text});
}

}  // namespace

std::unique_ptr<QApplication> StartOnTheDisplay(int& argc, char** argv) {
  previousHandler = qInstallMessageHandler(HoldOrEnd);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previousHandler);
  for (const HeldMessage& message : Held()) {
    const QMessageLogContext context(message.file.constData(), message.line,
                                     message.function.constData(), message.category.constData());
    previousHandler(message.type, context, message.text);
  }
  Held().clear();
  return app;
}

}  // namespace velmora::ui
