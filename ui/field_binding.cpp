#include "field_binding.h"

#include <QLineEdit>
#include <new>

#include "main_window.h"
#include "profile_view.h"

namespace velmora::ui {
QString ToWidgetText(const std::string& fieldText) {
  QString text = QString::fromStdString(fieldText);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::string ToFieldText(const QString& widgetText, bool isTable) {
  if (!isTable) return widgetText.toStdString();
  QString text = widgetText;
  text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return text.toStdString();
}

FieldBinding::FieldBinding(FieldSet& fields, MainWindow& window)
    : QObject(&window), fields_(fields), window_(window) {
  fields_.SetObserver([this](FieldId id, const std::string& text) {
    if (FieldNumber(id) == kTableField) {
      ShowTable(text);
    } else {
      window_.ShowFieldText(FieldNumber(id), ToWidgetText(text));
    }
  });
  connect(&window_, &MainWindow::fieldEdited, this, &FieldBinding::OnUserEdit);
}

void FieldBinding::ShowTable(const std::string& text) {
  auto* view = qobject_cast<ProfileView*>(window_.FieldWidget(kTableField));
  if (view == nullptr) {
    window_.ShowFieldText(kTableField, ToWidgetText(text));
    return;
  }
  // No copy: the view reads the field's string itself, indexed once per write.
  if (view->ShowSource(&text)) return;
  // Out of memory for the view's index. The field empties too, so that it holds what the window
  // shows, and the calculation that wrote the table ends here as at a failing step: the results
  // after the table keep their texts.
  const bool wasTable = !text.empty();
  fields_.StoreUserText(FieldId::Text15, {});
  view->ShowSource(&text);
  if (wasTable) throw std::bad_alloc();
}

void FieldBinding::OnUserEdit(int field, const QString& text) {
  const std::string typed = ToFieldText(text, field == kTableField);
  const std::string& stored = fields_.StoreUserText(FieldAt(field), typed);
  if (stored.size() == typed.size()) return;
  // The field kept only its first characters: show what it holds, the cursor where it was.
  if (auto* edit = qobject_cast<QLineEdit*>(window_.FieldWidget(field))) {
    const int cursor = edit->cursorPosition();
    const QString kept = QString::fromStdString(stored);
    edit->setText(kept);
    edit->setCursorPosition(std::min(cursor, static_cast<int>(kept.size())));
  }
}

}  // namespace velmora::ui
