// The window driven by arbitrary keystrokes, pastes, clicks and focus moves on Qt's offscreen
// platform. After every step each widget shows exactly its field's text, no field holds an
// infinity or a NaN, and the event loop comes back.
//
// Input: a sequence of steps, each an opcode byte and its operands:
//   0 n text   type n bytes, each a Latin-1 key, into the widget with the focus
//   1 n text   paste n bytes (taken as UTF-8) into the widget with the focus
//   2 k        click Calculate (k even) or Clear (k odd)
//   3 f        move the focus to field f % 21 + 1 by a mouse click on it
//   4 k        press one editing key (Tab, Backtab, Backspace, Delete, Home, End, Left, Right,
//              Return, undo, redo, cut, select all) on the widget with the focus
// Exit is never clicked: the window would go and nothing more could be explored.

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "app.h"
#include "calculator.h"
#include "fuzz_support.h"
#include "main_window.h"
#include "planned_rows.h"

namespace {

using velmora::fuzz::Require;
using velmora::ui::Command;
using velmora::ui::Shell;

// A long table takes seconds under the sanitizers; a press of one is left out.
constexpr std::size_t kLargestTable = 2'000;
constexpr std::size_t kLongestText = 64;

struct Key {
  Qt::Key key = Qt::Key_unknown;
  Qt::KeyboardModifiers modifiers;
};
constexpr std::array<Key, 13> kEditingKeys = {{
    {Qt::Key_Tab, Qt::NoModifier},
    {Qt::Key_Backtab, Qt::ShiftModifier},
    {Qt::Key_Backspace, Qt::NoModifier},
    {Qt::Key_Delete, Qt::NoModifier},
    {Qt::Key_Home, Qt::NoModifier},
    {Qt::Key_End, Qt::NoModifier},
    {Qt::Key_Left, Qt::NoModifier},
    {Qt::Key_Right, Qt::NoModifier},
    {Qt::Key_Return, Qt::NoModifier},
    {Qt::Key_Z, Qt::ControlModifier},
    {Qt::Key_Y, Qt::ControlModifier},
    {Qt::Key_X, Qt::ControlModifier},
    {Qt::Key_A, Qt::ControlModifier},
}};

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  [[nodiscard]] bool Empty() const { return at_ >= size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::string_view Bytes(std::size_t n) {
    n = std::min({n, size_ - at_, kLongestText});
    const std::string_view out(reinterpret_cast<const char*>(data_ + at_), n);
    at_ += n;
    return out;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

QWidget* FocusTarget(Shell& form) {
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr ? focus : &form.Window();
}

// What the window must show for a field's text: the table's rows joined by "\n".
QString Shown(int field, const std::string& text) {
  QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (field == velmora::FieldNumber(velmora::FieldId::Text15)) {
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  }
  return shown;
}

void CheckEveryField(Shell& form) {
  for (int n = 1; n <= velmora::kFieldCount; ++n) {
    const std::string& text = form.Core().Fields().Text(velmora::FieldAt(n));
    const QString shown = form.Window().FieldText(n);
    Require(shown == Shown(n, text), "a widget shows another text than its field holds",
            shown.toStdString());
    // Only a typed input or range field may hold a text with these letters.
    const bool typed = n <= 4 || (n >= 17 && n <= 19);
    Require(typed || !velmora::fuzz::ShowsNonFinite(text), "a result field holds inf or nan", text);
  }
}

// The event loop must come back: a handler that never returned would hang here.
void CheckEventLoopReturns() {
  QEventLoop loop;
  QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  loop.exec();
}

void Step(Shell& form, Input& in) {
  switch (in.Byte() % 5) {
    case 0: {
      for (const char c : in.Bytes(in.Byte())) {
        QWidget* target = FocusTarget(form);
        if (c >= ' ' && c <= '~') {
          QTest::keyClick(target, c);
        } else {
          // A key without a Qt key code of its own (a Latin-1 letter, a control character).
          QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(QChar::fromLatin1(c)),
                              Qt::NoModifier);
        }
      }
      break;
    }
    case 1: {
      const std::string_view bytes = in.Bytes(in.Byte());
      QGuiApplication::clipboard()->setText(
          QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
      QTest::keyClick(FocusTarget(form), Qt::Key_V, Qt::ControlModifier);
      break;
    }
    case 2: {
      const Command command = in.Byte() % 2 == 0 ? Command::Calculate : Command::Clear;
      if (command == Command::Calculate &&
          velmora::fuzz::PlannedProfileRows(form.Core().Fields()).value_or(0) > kLargestTable) {
        break;
      }
      QTest::mouseClick(form.Window().Button(command), Qt::LeftButton);
      break;
    }
    case 3: {
      QWidget* field = form.Window().FieldWidget(in.Byte() % velmora::kFieldCount + 1);
      QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
      break;
    }
    default: {
      const Key& key = kEditingKeys[in.Byte() % kEditingKeys.size()];
      QTest::keyClick(FocusTarget(form), key.key, key.modifiers);
      break;
    }
  }
}

}  // namespace

// Fontconfig keeps a cache for the life of the process; it is no leak of the window's.
extern "C" const char* __lsan_default_suppressions() {  // NOLINT(bugprone-reserved-identifier)
  return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static auto* app = new QApplication(*argc, *argv);
  velmora::ui::ConfigureApplication(*app);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Shell form(96.0);
  form.Load();
  form.Window().activateWindow();
  CheckEveryField(form);
  Input in(data, size);
  while (!in.Empty()) {
    Step(form, in);
    CheckEventLoopReturns();
    CheckEveryField(form);
  }
  return 0;
}
