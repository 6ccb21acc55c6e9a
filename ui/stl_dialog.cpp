#include "stl_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

#include "revolved_solid.h"

namespace velmora::ui {

std::optional<StlParameters> AskStlParameters(QWidget* parent) {
  const StlParameters defaults;
  QDialog dialog(parent);
  dialog.setWindowTitle(QString::fromUtf8("副反射鏡を STL で保存"));
  auto* form = new QFormLayout(&dialog);
  auto* thickness = new QDoubleSpinBox(&dialog);
  thickness->setObjectName(QStringLiteral("thickness"));
  thickness->setRange(0.1, 100.0);
  thickness->setDecimals(2);
  thickness->setSuffix(QStringLiteral(" mm"));
  thickness->setValue(defaults.thicknessMm);
  form->addRow(QString::fromUtf8("厚さ"), thickness);
  auto* facets = new QSpinBox(&dialog);
  facets->setObjectName(QStringLiteral("facets"));
  // Fewer than a few dozen facets make a polygon, not a turned part; beyond the writer's limit
  // the file grows with nothing a printer could show.
  facets->setRange(12, part::kMaxFacetsPerTurn);
  facets->setValue(defaults.facetsPerTurn);
  form->addRow(QString::fromUtf8("一周の分割数"), facets);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("キャンセル"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return StlParameters{.thicknessMm = thickness->value(), .facetsPerTurn = facets->value()};
}

}  // namespace velmora::ui
