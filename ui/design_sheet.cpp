#include "design_sheet.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPdfWriter>

#include "antenna_section.h"
#include "page_canvas.h"
#include "template_pages.h"

namespace velmora::ui {
namespace {

constexpr double kRowMm = 5.6;
constexpr double kTextPoints = 10.0;

// A group of lines under a heading, caption on the left, the field's text right-aligned in a
// column of its own, the unit after it. Returns where the next group may start.
double PaintGroup(const PageCanvas& canvas, double x, double y, double width,
                  const QString& heading, const std::vector<SheetLine>& lines) {
  canvas.Text({x, y, width, kRowMm}, Qt::AlignLeft | Qt::AlignVCenter, heading, 10.5, true);
  y += kRowMm + 0.6;
  const double captionWidth = width * 0.55;
  const double textWidth = width * 0.30;
  for (const SheetLine& line : lines) {
    canvas.Text({x + 2.0, y, captionWidth, kRowMm}, Qt::AlignLeft | Qt::AlignVCenter, line.caption,
                kTextPoints);
    canvas.Text({x + captionWidth, y, textWidth, kRowMm}, Qt::AlignRight | Qt::AlignVCenter,
                line.text, kTextPoints, false, true);
    canvas.Text({x + captionWidth + textWidth + 1.5, y, width * 0.15, kRowMm},
                Qt::AlignLeft | Qt::AlignVCenter, line.unit, kTextPoints);
    y += kRowMm;
  }
  return y + kRowMm / 2.0;
}

void PaintSheetPage(const PageCanvas& canvas, const SheetContent& content) {
  const double width = canvas.Size().width();
  canvas.Text({0.0, 0.0, width * 0.7, 9.0}, Qt::AlignLeft | Qt::AlignVCenter, content.title, 16.0,
              true);
  canvas.Text({width * 0.7, 0.0, width * 0.3, 9.0}, Qt::AlignRight | Qt::AlignVCenter, content.date,
              10.0);
  canvas.Text({0.0, 9.5, width, 5.5}, Qt::AlignLeft | Qt::AlignVCenter,
              QString::fromUtf8("設計書  ") + content.designName, 10.0);
  canvas.Painter().setPen(canvas.Pen(0.3));
  canvas.Line(0.0, 16.5, width, 16.5);

  const double column = (width - 8.0) / 2.0;
  double left = PaintGroup(canvas, 0.0, 19.0, column, QString::fromUtf8("設計値"), content.inputs);
  left = PaintGroup(canvas, 0.0, left, column, QString::fromUtf8("Y 計算間隔 (mm)"), content.range);
  left = PaintGroup(canvas, 0.0, left, column, QString::fromUtf8("設計の目安"), content.derived);
  const double right = PaintGroup(canvas, column + 8.0, 19.0, column, QString::fromUtf8("計算結果"),
                                  content.results);

  const double top = std::max(left, right) + 2.0;
  canvas.Painter().setPen(canvas.Pen(0.3));
  canvas.Line(0.0, top, width, top);
  canvas.Text({0.0, top + 1.0, width, kRowMm}, Qt::AlignLeft | Qt::AlignVCenter,
              QString::fromUtf8("断面図"), 10.5, true);
  PaintAntennaSection(canvas,
                      {0.0, top + kRowMm + 1.0, width, canvas.Size().height() - top - kRowMm - 1.0},
                      content.design);
}

void PaintTemplates(QPagedPaintDevice& device, const PageCanvas& canvas,
                    const TemplateDrawing& drawing, const QString& designName) {
  const std::vector<QRectF> pieces = TemplatePieces(drawing, canvas.Size());
  const auto count = static_cast<int>(pieces.size());
  for (int k = 0; k < count; ++k) {
    device.newPage();
    PaintTemplatePiece(canvas, drawing, pieces[static_cast<std::size_t>(k)],
                       {.designName = designName, .number = k + 1, .count = count});
  }
}

}  // namespace

void PaintDesignDocument(QPagedPaintDevice& device, const SheetContent& content) {
  // Every drawing is made before the first page, so a design that cannot be drawn leaves no pages.
  const TemplateDrawing sub = SubReflectorTemplate(content.design);
  const TemplateDrawing main = MainReflectorTemplate(content.design);
  QPainter painter(&device);
  const PageCanvas canvas(painter, device);
  PaintSheetPage(canvas, content);
  PaintTemplates(device, canvas, sub, content.designName);
  PaintTemplates(device, canvas, main, content.designName);
}

QByteArray DesignPdf(const SheetContent& content) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(content.designName);
    writer.setCreator(QStringLiteral("velmora"));
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                    QPageLayout::Millimeter));
    PaintDesignDocument(writer, content);
  }
  return bytes;
}

}  // namespace velmora::ui
