#include "design_sheet.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <array>

#include "antenna_section.h"
#include "page_canvas.h"
#include "page_tiling.h"
#include "template_pages.h"

namespace velmora::sheet {
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

// Under the section: a line for each template left out, saying why and what to use instead.
double NotesHeight(const std::vector<QString>& notes) {
  return notes.empty() ? 0.0 : (static_cast<double>(notes.size()) * kRowMm) + 2.0;
}

void PaintNotes(const PageCanvas& canvas, const std::vector<QString>& notes) {
  const QSizeF page = canvas.Size();
  double y = page.height() - NotesHeight(notes) + 2.0;
  for (const QString& note : notes) {
    canvas.Text({0.0, y, page.width(), kRowMm}, Qt::AlignLeft | Qt::AlignVCenter, note, 9.0);
    y += kRowMm;
  }
}

// The figures at the user's frequency across the page, in two columns under their heading, and
// under them what they are. Returns where the section may start.
double PaintElectrical(const PageCanvas& canvas, double top, double column,
                       const ElectricalBlock& block) {
  canvas.Painter().setPen(canvas.Pen(0.3));
  canvas.Line(0.0, top, canvas.Size().width(), top);
  const auto half = block.lines.begin() + static_cast<std::ptrdiff_t>((block.lines.size() + 1) / 2);
  const double left = PaintGroup(canvas, 0.0, top + 1.0, column, block.heading,
                                 std::vector<SheetLine>(block.lines.begin(), half));
  const double right = PaintGroup(canvas, column + 8.0, top + 1.0, column, {},
                                  std::vector<SheetLine>(half, block.lines.end()));
  double y = std::max(left, right) - (kRowMm / 2.0);
  for (const QString& remark : block.remarks) {
    canvas.Text({2.0, y, canvas.Size().width() - 2.0, kRowMm}, Qt::AlignLeft | Qt::AlignVCenter,
                remark, 9.0);
    y += kRowMm;
  }
  return y + 2.0;
}

void PaintSheetPage(const PageCanvas& canvas, const SheetContent& content,
                    const std::vector<QString>& notes) {
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

  double top = std::max(left, right) + 2.0;
  if (content.electrical) top = PaintElectrical(canvas, top, column, *content.electrical);
  canvas.Painter().setPen(canvas.Pen(0.3));
  canvas.Line(0.0, top, width, top);
  canvas.Text({0.0, top + 1.0, width, kRowMm}, Qt::AlignLeft | Qt::AlignVCenter,
              QString::fromUtf8("断面図"), 10.5, true);
  const double bottom = canvas.Size().height() - NotesHeight(notes);
  PaintAntennaSection(canvas, {0.0, top + kRowMm + 1.0, width, bottom - top - kRowMm - 1.0},
                      content.design);
  PaintNotes(canvas, notes);
}

// Two lines: why the template is left out, and what to use instead.
std::array<QString, 2> LeftOut(const TemplateDrawing& drawing, double pages) {
  const QString part =
      QString::fromUtf8(drawing.reflector == Reflector::Sub ? "副反射鏡" : "主反射鏡");
  return {QString::fromUtf8("%1の実寸型紙はこの用紙で %2 ページになるため省きました (上限 %3 "
                            "ページ)。")
              .arg(part)
              .arg(pages, 0, 'f', 0)
              .arg(part::kMaxTemplatePages),
          QString::fromUtf8("型紙の代わりに%1の断面 DXF かプロファイル CSV を使ってください。")
              .arg(part)};
}

// What the document holds: the templates that fit the bound, each with its pieces, and a note for
// each that does not.
struct DocumentPlan {
  std::vector<TemplateDrawing> templates;
  std::vector<std::vector<QRectF>> pieces;
  std::vector<QString> notes;
  int pageCount = 1;
};

DocumentPlan PlanDocument(const part::Design& design, const QSizeF& printable) {
  DocumentPlan plan;
  for (const Reflector reflector : {Reflector::Sub, Reflector::Main}) {
    TemplateDrawing drawing = TemplateOutline(design, reflector);
    const double pages = TemplatePageCount(drawing, printable);
    if (pages > static_cast<double>(part::kMaxTemplatePages)) {
      for (QString& line : LeftOut(drawing, pages)) plan.notes.push_back(std::move(line));
      continue;
    }
    AddSection(drawing, design);
    plan.pieces.push_back(TemplatePieces(drawing, printable));
    plan.pageCount += static_cast<int>(plan.pieces.back().size());
    plan.templates.push_back(std::move(drawing));
  }
  return plan;
}

}  // namespace

bool PaintDesignDocument(QPagedPaintDevice& device, const SheetContent& content,
                         const PageProgress& progress) {
  // Every drawing is made before the first page, so a design that cannot be drawn leaves no pages.
  const QSizeF printable = device.pageLayout().paintRect(QPageLayout::Millimeter).size();
  const DocumentPlan plan = PlanDocument(content.design, printable);
  QPainter painter(&device);
  const PageCanvas canvas(painter, device);
  int done = 0;
  const auto next = [&] { return !progress || progress(++done, plan.pageCount); };
  PaintSheetPage(canvas, content, plan.notes);
  if (!next()) return false;
  for (std::size_t t = 0; t < plan.templates.size(); ++t) {
    const std::vector<QRectF>& pieces = plan.pieces[t];
    const auto count = static_cast<int>(pieces.size());
    for (int k = 0; k < count; ++k) {
      device.newPage();
      PaintTemplatePiece(
          canvas, plan.templates[t], pieces[static_cast<std::size_t>(k)],
          {.designName = content.designName,
           .number = k + 1,
           .count = count,
           .accuracy = content.electrical ? content.electrical->accuracy : QString()});
      if (!next()) return false;
    }
  }
  return true;
}

std::optional<QByteArray> DesignPdf(const SheetContent& content, const PageProgress& progress) {
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
    if (!PaintDesignDocument(writer, content, progress)) return std::nullopt;
  }
  return bytes;
}

}  // namespace velmora::sheet
