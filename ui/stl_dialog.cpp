#include "stl_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

#include "revolved_solid.h"

namespace velmora::ui {
namespace {

QDoubleSpinBox* Millimetres(QDialog& dialog, const char* name, double low, double high,
                            double value) {
  auto* box = new QDoubleSpinBox(&dialog);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(low, high);
  box->setDecimals(2);
  box->setSuffix(QStringLiteral(" mm"));
  box->setValue(value);
  return box;
}

// OK and キャンセル under the form; true for OK.
bool Run(QDialog& dialog, QFormLayout& form) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("キャンセル"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form.addRow(buttons);
  return dialog.exec() == QDialog::Accepted;
}

std::optional<StlParameters> AskSolid(QWidget* parent, const char* title,
                                      const StlParameters& defaults) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QString::fromUtf8(title));
  auto* form = new QFormLayout(&dialog);
  auto* thickness = Millimetres(dialog, "thickness", 0.1, 100.0, defaults.thicknessMm);
  form->addRow(QString::fromUtf8("厚さ"), thickness);
  auto* facets = new QSpinBox(&dialog);
  facets->setObjectName(QStringLiteral("facets"));
  // Fewer than a few dozen facets make a polygon, not a turned part; beyond the writer's limit
  // the file grows with nothing a printer could show.
  facets->setRange(12, part::kMaxFacetsPerTurn);
  facets->setValue(defaults.facetsPerTurn);
  form->addRow(QString::fromUtf8("一周の分割数"), facets);
  if (!Run(dialog, *form)) return std::nullopt;
  return StlParameters{.thicknessMm = thickness->value(), .facetsPerTurn = facets->value()};
}

}  // namespace

std::optional<StlParameters> AskStlParameters(QWidget* parent) {
  return AskSolid(parent, "副反射鏡を STL で保存", FileOptions{}.subSolid);
}

std::optional<StlParameters> AskShellParameters(QWidget* parent) {
  return AskSolid(parent, "主反射鏡を STL で保存", FileOptions{}.mainShell);
}

std::optional<double> AskProfileStep(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QString::fromUtf8("主反射鏡のプロファイルを CSV で保存"));
  auto* form = new QFormLayout(&dialog);
  auto* step = Millimetres(dialog, "step", 0.01, 10000.0, FileOptions{}.mainProfileStepMm);
  form->addRow(QString::fromUtf8("半径の間隔"), step);
  if (!Run(dialog, *form)) return std::nullopt;
  return step->value();
}

}  // namespace velmora::ui
