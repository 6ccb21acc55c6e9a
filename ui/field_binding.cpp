#include "field_binding.h"

#include <new>

#include "main_window.h"
#include "profile_view.h"

namespace velmora::ui {
FieldBinding::FieldBinding(FieldSet& fields, MainWindow& window)
    : QObject(&window), fields_(fields), window_(window) {
  fields_.SetObserver([this](FieldId id, const std::string& text) {
    if (FieldNumber(id) == FieldNumber(FieldId::Text15)) {
      ShowTable(text);
    } else {
      window_.ShowFieldText(FieldNumber(id), QString::fromStdString(text));
    }
  });
  connect(&window_, &MainWindow::fieldEdited, this, &FieldBinding::OnUserEdit);
}

void FieldBinding::ShowTable(const std::string& text) {
  auto* view = qobject_cast<ProfileView*>(window_.FieldWidget(FieldNumber(FieldId::Text15)));
  if (view == nullptr) return;  // the window always makes its table a ProfileView
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
  fields_.StoreUserText(FieldAt(field), text.toStdString());
}

}  // namespace velmora::ui
