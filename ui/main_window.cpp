#include "main_window.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <algorithm>
#include <new>

#include "caption.h"
#include "command_button.h"
#include "fonts.h"
#include "line_field.h"
#include "qt_text.h"
#include "sketch.h"
#include "thin_frame_style.h"
#include "twips.h"

namespace velmora::ui {
namespace {

// What a field runs when it loses the focus, kept on the field itself.
constexpr const char* kLostFocusProperty = "onLostFocus";

QColor ToColor(const Rgb& rgb) {
  return {rgb.red, rgb.green, rgb.blue};
}

double ScreenDotsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

void ApplyColors(QWidget* widget, const ElementEntry& entry, QPalette::ColorRole backgroundRole,
                 QPalette::ColorRole foregroundRole) {
  QPalette palette = widget->palette();
  if (entry.background) {
    palette.setColor(backgroundRole, ToColor(*entry.background));
    if (entry.kind == ElementKind::Caption) widget->setAutoFillBackground(true);
  }
  if (entry.foreground) {
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      palette.setColor(group, foregroundRole, ToColor(*entry.foreground));
    }
  }
  widget->setPalette(palette);
}

// What a screen reader says for a field: its caption, or a fuller name where the caption is only
// a column header. Runs of spaces, full-width ones included, become one.
QString SpokenName(const ElementEntry& field) {
  if (!field.spokenName.empty()) return ToQString(field.spokenName);
  const ElementEntry* caption = FindElement(field.caption);
  return caption != nullptr ? ToQString(caption->text).simplified() : QString();
}

}  // namespace

MainWindow::MainWindow(double dotsPerInch, QWidget* parent)
    : QWidget(parent),
      dotsPerInch_(dotsPerInch > 0.0 ? dotsPerInch : ScreenDotsPerInch()),
      thinFrame_(new ThinFrameStyle) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(ToQString(kWindowTitle));
  setFont(MakeFont(kWindowFont, FontScale()));
  thinFrame_->setParent(this);
  setFixedSize(TwipsToPixels(kClientWidthTwips, dotsPerInch_),
               TwipsToPixels(kClientHeightTwips, dotsPerInch_));

  // Captions first, then the sketch over them, then fields and buttons over the sketch: later
  // siblings are drawn on top.
  for (const ElementEntry& entry : Elements()) {
    if (entry.kind == ElementKind::Caption) MakeElement(entry);
  }
  auto* sketch = new Sketch(dotsPerInch_, this);
  sketch->setObjectName(QStringLiteral("Sketch"));
  sketch->setGeometry(rect());
  for (const ElementEntry& entry : Elements()) {
    if (entry.kind != ElementKind::Caption) MakeElement(entry);
  }
  SetTabOrder();
}

double MainWindow::FontScale() const {
  return dotsPerInch_ / ScreenDotsPerInch();
}

QWidget* MainWindow::MakeElement(const ElementEntry& entry) {
  QWidget* widget = nullptr;
  switch (entry.kind) {
    case ElementKind::Caption: {
      auto* caption = new Caption(ToQString(entry.text), this);
      ApplyColors(caption, entry, QPalette::Window, QPalette::WindowText);
      widget = caption;
      break;
    }
    case ElementKind::Button: {
      auto* button = new CommandButton(ToQString(entry.text), this);
      // Said and shown in the caption's own words, also where no installed face can draw them.
      button->setAccessibleName(button->text());
      button->setToolTip(button->text());
      button->setAutoDefault(false);
      button->setDefault(false);
      const Command command = entry.command;
      connect(button, &QPushButton::clicked, this,
              [this, command] { emit commandRaised(command); });
      widget = button;
      break;
    }
    case ElementKind::Field:
      widget = MakeField(entry);
      break;
  }
  widget->setObjectName(ToQString(entry.name));
  widget->setFont(MakeFont(entry.font, FontScale()));
  widget->setGeometry(ToPixels(entry.box, dotsPerInch_));
  widget->setProperty(kTabIndexProperty, entry.tabIndex);
  if (entry.kind == ElementKind::Field) widget->setAccessibleName(SpokenName(entry));
  elements_.emplace_back(entry.name, widget);
  return widget;
}

QWidget* MainWindow::MakeField(const ElementEntry& entry) {
  const FieldId field = entry.field.value();
  QWidget*& slot = fields_[static_cast<std::size_t>(FieldNumber(field) - 1)];
  if (entry.multiLine) {
    // The profile table: read-only, the user selects and copies it but cannot type into it.
    auto* table = new TextView(this);
    ApplyColors(table, entry, QPalette::Base, QPalette::Text);
    slot = table;
    return table;
  }
  // Text8 to Text14 refuse what would go beyond their limit, counted as the field set counts (in
  // UTF-16 units, as QString does); the others take any length typed or pasted.
  auto* edit = new LineField(FieldLimit(field), this);
  edit->setStyle(thinFrame_);
  edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // QLineEdit keeps a margin of its own inside the frame; the legacy boxes had one pixel.
  constexpr int kOwnMargin = 2;
  edit->setTextMargins(kFieldTextMargin - kOwnMargin, 0, kFieldTextMargin - kOwnMargin, 0);
  // Every single-line field holds a number: an input method left on would type full-width digits,
  // which are no number.
  edit->setAttribute(Qt::WA_InputMethodEnabled, false);
  edit->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhPreferLatin);
  edit->setReadOnly(entry.readOnly);
  ApplyColors(edit, entry, QPalette::Base, QPalette::Text);
  connect(edit, &QLineEdit::textEdited, this,
          [this, field](const QString& text) { emit fieldEdited(field, text); });
  if (entry.onLostFocus != Command::None) {
    edit->setProperty(kLostFocusProperty, QVariant::fromValue(entry.onLostFocus));
    edit->installEventFilter(this);
  }
  slot = edit;
  return edit;
}

void MainWindow::SetTabOrder() const {
  std::vector<const ElementEntry*> stops;
  for (const ElementEntry& entry : Elements()) {
    if (entry.kind != ElementKind::Caption) stops.push_back(&entry);
  }
  std::sort(stops.begin(), stops.end(),
            [](const ElementEntry* a, const ElementEntry* b) { return a->tabIndex < b->tabIndex; });
  for (std::size_t k = 0; k + 1 < stops.size(); ++k) {
    QWidget::setTabOrder(Element(stops[k]->name), Element(stops[k + 1]->name));
  }
}

QWidget* MainWindow::Element(std::string_view name) const {
  for (const auto& [elementName, widget] : elements_) {
    if (elementName == name) return widget;
  }
  return nullptr;
}

QWidget* MainWindow::FieldWidget(FieldId field) const {
  return fields_[static_cast<std::size_t>(FieldNumber(field) - 1)];
}

QPushButton* MainWindow::Button(Command command) const {
  for (const ElementEntry& entry : Elements()) {
    if (entry.kind == ElementKind::Button && entry.command == command) {
      return static_cast<QPushButton*>(Element(entry.name));
    }
  }
  return nullptr;
}

// Not const, though it writes only through the field widgets: showing a text changes the window.
// NOLINTNEXTLINE(readability-make-member-function-const)
void MainWindow::ShowField(FieldId field, const SharedText& text) {
  QWidget* widget = FieldWidget(field);
  if (auto* table = qobject_cast<TextView*>(widget)) {
    // Nothing shown when memory for its index runs out.
    table->Show(textview::TryIndex(text, table->Layout()).value_or(IndexedText()));
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(text != nullptr ? QString::fromStdString(*text) : QString());
    edit->setCursorPosition(0);
  }
}

std::optional<IndexedText> MainWindow::IndexFor(FieldId field, SharedText text) const {
  auto* table = qobject_cast<TextView*>(FieldWidget(field));
  if (table == nullptr) return std::nullopt;
  return textview::TryIndex(std::move(text), table->Layout());
}

// NOLINTNEXTLINE(readability-make-member-function-const)
void MainWindow::ShowIndexed(FieldId field, IndexedText text) noexcept {
  if (auto* table = qobject_cast<TextView*>(FieldWidget(field))) table->Show(std::move(text));
}

QString MainWindow::FieldText(FieldId field) const {
  QWidget* widget = FieldWidget(field);
  if (auto* table = qobject_cast<TextView*>(widget)) return table->Text();
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  return {};
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QVariant onLostFocus = watched->property(kLostFocusProperty);
  if (event->type() == QEvent::FocusOut && onLostFocus.isValid()) {
    // Only a move to another control of this window counts: not a context menu opening over the
    // field, and not a switch to another application.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
      emit commandRaised(onLostFocus.value<Command>());
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace velmora::ui
