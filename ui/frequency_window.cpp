#include "frequency_window.h"

#include <QAction>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "decimal_text.h"
#include "electrical_text.h"
#include "fonts.h"
#include "part_commands.h"
#include "qt_text.h"

namespace velmora::ui {
namespace {

// The efficiency an empty field stands for, shown in it.
QString DefaultEfficiency() {
  std::string text;
  part::AppendDecimal(text, part::kDefaultEfficiency);
  return QString::fromStdString(text);
}

QLineEdit* InputField(QWidget& parent, const char* name, const QString& placeholder) {
  auto* field = new QLineEdit(&parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setPlaceholderText(placeholder);
  return field;
}

// A field with its unit after it, as one row of the form.
QWidget* WithUnit(QWidget& parent, QLineEdit* field, const char* unit) {
  auto* row = new QWidget(&parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  field->setParent(row);
  layout->addWidget(field);
  layout->addWidget(new QLabel(QString::fromUtf8(unit), row));
  return row;
}

}  // namespace

FrequencyWindow::FrequencyWindow(QWidget& mainWindow)
    : QWidget(&mainWindow, Qt::Window),
      separator_(new QAction(this)),
      open_(new QAction(QString::fromUtf8("周波数と電気的な目安…"), this)),
      frequency_(InputField(*this, "frequency", {})),
      efficiency_(InputField(*this, "efficiency", DefaultEfficiency())),
      reason_(new QLabel(this)),
      figures_(new QWidget(this)),
      remarks_(new QLabel(this)) {
  setObjectName(QStringLiteral("FrequencyWindow"));
  setWindowTitle(QString::fromUtf8("周波数と電気的な目安"));
  setFont(MakeFont(FontId::Font2));
  separator_->setSeparator(true);
  open_->setObjectName(QStringLiteral("openFrequency"));
  open_->setToolTip(
      QString::fromUtf8("周波数から利得、ビーム幅と反射鏡に要る面精度を見積もります"));
  connect(open_, &QAction::triggered, this, [this] {
    if (!placed_) PlaceBesideMainWindow();
    show();
    raise();
    activateWindow();
    frequency_->setFocus(Qt::OtherFocusReason);
  });

  auto* layout = new QVBoxLayout(this);
  auto* inputs = new QFormLayout;
  inputs->addRow(QString::fromUtf8("周波数 f"), WithUnit(*this, frequency_, "GHz"));
  inputs->addRow(QString::fromUtf8("開口効率 η"), efficiency_);
  layout->addLayout(inputs);
  reason_->setObjectName(QStringLiteral("reason"));
  layout->addWidget(reason_);
  MakeFigures(*figures_);
  layout->addWidget(figures_);
  remarks_->setObjectName(QStringLiteral("remarks"));
  remarks_->setWordWrap(true);
  layout->addWidget(remarks_);
  layout->addStretch();

  connect(frequency_, &QLineEdit::textChanged, this, [this] { Update(); });
  connect(efficiency_, &QLineEdit::textChanged, this, [this] { Update(); });
  Update();
}

void FrequencyWindow::MakeFigures(QWidget& box) {
  auto* grid = new QGridLayout(&box);
  grid->setContentsMargins(0, 0, 0, 0);
  // The captions and units do not depend on the figures: those of any figures name them. The
  // frequency, typed above, is left out.
  const std::vector<part::ElectricalRow> rows = part::ElectricalRows(part::ElectricalFigures{});
  for (std::size_t k = 1; k < rows.size(); ++k) {
    const int line = static_cast<int>(k) - 1;
    auto* text = new QLabel(&box);
    text->setObjectName(
        QString::fromLatin1(rows[k].key.data(), static_cast<qsizetype>(rows[k].key.size())));
    text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000.000")));
    grid->addWidget(new QLabel(ToQString(rows[k].japanese), &box), line, 0);
    grid->addWidget(text, line, 1);
    grid->addWidget(new QLabel(ToQString(rows[k].unit), &box), line, 2);
    texts_.push_back(text);
  }
}

void FrequencyWindow::PlaceBesideMainWindow() {
  // To the right of the main window, whose figures it goes with, on the same screen.
  placed_ = true;
  adjustSize();
  const QRect main = parentWidget()->frameGeometry();
  QPoint at = main.topRight() + QPoint(8, 0);
  if (const QScreen* screen = parentWidget()->screen()) {
    const QRect room = screen->availableGeometry();
    at.setX(std::max(room.left(), std::min(at.x(), room.right() - frameGeometry().width())));
  }
  move(at);
}

QList<QAction*> FrequencyWindow::MenuActions() const {
  return {separator_, open_};
}

void FrequencyWindow::ShowDesign(const std::optional<part::Design>& design) {
  current_ = design.has_value();
  if (design) design_ = design;
  Update();
}

std::optional<part::ElectricalInputs> FrequencyWindow::Setting() const {
  const auto read = part::ReadElectricalInputs(frequency_->text().toStdString(),
                                               efficiency_->text().toStdString());
  if (const auto* inputs = std::get_if<part::ElectricalInputs>(&read)) return *inputs;
  return std::nullopt;
}

void FrequencyWindow::Update() {
  const auto read = part::ReadElectricalInputs(frequency_->text().toStdString(),
                                               efficiency_->text().toStdString());
  std::optional<part::ElectricalFigures> figures;
  QString reason;
  if (const auto* problem = std::get_if<part::ElectricalProblem>(&read)) {
    reason = ToQString(part::JapaneseReason(*problem));
  } else if (!design_) {
    reason = QString::fromUtf8(kNeedsCalculation);
  } else {
    const auto result = part::Electrical(*design_, std::get<part::ElectricalInputs>(read));
    if (const auto* refused = std::get_if<part::ElectricalProblem>(&result)) {
      reason = ToQString(part::JapaneseReason(*refused));
    } else {
      figures = std::get<part::ElectricalFigures>(result);
      if (!current_) reason = QString::fromUtf8(kNeedsCalculation);
    }
  }
  reason_->setText(reason);
  reason_->setVisible(!reason.isEmpty());
  ShowFigures(figures ? &*figures : nullptr);
  figures_->setEnabled(figures.has_value() && current_);
  remarks_->setEnabled(figures_->isEnabled());
}

void FrequencyWindow::ShowFigures(const part::ElectricalFigures* figures) {
  QStringList remarks{ToQString(part::kFirstOrderCaveat)};
  if (figures == nullptr) {
    for (QLabel* text : texts_) text->clear();
    remarks_->setText(remarks.join(QLatin1Char('\n')));
    return;
  }
  const std::vector<part::ElectricalRow> rows = part::ElectricalRows(*figures);
  for (std::size_t k = 0; k < texts_.size(); ++k) {
    texts_[k]->setText(QString::fromStdString(rows[k + 1].text));
  }
  if (const auto note = part::SubReflectorNote(*figures)) remarks << ToQString(note->japanese);
  remarks_->setText(remarks.join(QLatin1Char('\n')));
}

}  // namespace velmora::ui
