// What the design sheet and templates are made of, without painting: the pieces a large template
// is cut into, the scale of the cross-section, the reflectors' sampled sections, the edge rays'
// geometry, the sheet's texts, and the file type a name asks for.

#include <gtest/gtest.h>

#include <cmath>

#include "antenna_section.h"
#include "calculator.h"
#include "form_layout.h"
#include "page_tiling.h"
#include "part_files.h"
#include "reflector_curves.h"
#include "sheet_content.h"
#include "template_pages.h"

using namespace velmora;
using namespace velmora::ui;

namespace {

Calculator Calculated(const char* mainDiameter = nullptr) {
  Calculator calculator;
  calculator.Form_Load();
  if (mainDiameter != nullptr) calculator.Fields().StoreUserText(FieldId::Text1, mainDiameter);
  calculator.Command1_Click();
  return calculator;
}

TEST(TileSpans, OnePieceWhenItFitsElseOverlappingPiecesEndingAtTheExtent) {
  struct Case {
    double extent, window;
    int pieces;
  };
  for (const Case c : {Case{100, 174, 1}, Case{174, 174, 1}, Case{175, 174, 2}, Case{338, 174, 2},
                       Case{339, 174, 3}, Case{438, 174, 3}, Case{1268, 174, 8}, Case{50, 5, 40}}) {
    SCOPED_TRACE(testing::Message() << c.extent << " in " << c.window);
    const std::vector<TileSpan> spans = TileSpans(c.extent, c.window);
    ASSERT_EQ(static_cast<int>(spans.size()), c.pieces);
    EXPECT_EQ(spans.front().start, 0.0);
    EXPECT_NEAR(spans.back().start + spans.back().length, c.extent, 1e-9);
    for (std::size_t k = 0; k < spans.size(); ++k) {
      EXPECT_LE(spans[k].length, std::max(c.window, kTileOverlapMm + 1.0) + 1e-9);
      if (k > 0) {
        EXPECT_NEAR(spans[k - 1].start + spans[k - 1].length - spans[k].start, kTileOverlapMm,
                    1e-9);
      }
    }
  }
}

TEST(FittingScale, TheSmallestRoundScaleThatFits) {
  struct Case {
    double width, height, roomWidth, roomHeight, scale;
  };
  for (const Case c :
       {Case{178, 370, 166, 89, 5}, Case{10, 10, 100, 100, 0.1}, Case{100, 50, 100, 100, 1},
        Case{101, 50, 100, 100, 2}, Case{220, 50, 100, 100, 2.5}, Case{251, 50, 100, 100, 5},
        Case{40, 1200, 100, 100, 20}}) {
    EXPECT_DOUBLE_EQ(FittingScale({c.width, c.height}, {c.roomWidth, c.roomHeight}), c.scale)
        << c.width << " x " << c.height;
  }
}

TEST(ReflectorSections, NoChordStraysFromTheSurfaceBeyondTheTolerance) {
  const auto worst = [](const std::vector<QPointF>& points, const auto& depth) {
    double deviation = 0.0;
    for (std::size_t k = 0; k + 1 < points.size(); ++k) {
      const double r = (points[k].x() + points[k + 1].x()) / 2.0;
      const double chord = (points[k].y() + points[k + 1].y()) / 2.0;
      deviation = std::max(deviation, std::abs(chord - depth(r)));
    }
    return deviation;
  };
  for (const double focal : {30.0, 159.951, 2000.0}) {
    const std::vector<QPointF> main = MainReflectorSection(focal, -600.0, 600.0);
    EXPECT_EQ(main.front().x(), -600.0);
    EXPECT_EQ(main.back().x(), 600.0);
    EXPECT_LE(worst(main, [focal](double r) { return r * r / (4.0 * focal); }), kDrawingTolerance)
        << focal;
  }
  const Hyperbola h{.a = 7.01356415, .b2 = 906.793409};
  const std::vector<QPointF> sub = SectionPoints(SampleProfile(h, -35.0, 35.0, kDrawingTolerance));
  EXPECT_LE(worst(sub, [&h](double r) { return ProfileDepth(h, r); }), kDrawingTolerance);
}

TEST(SectionOf, TheEdgeRayGoesFromTheFeedByBothRimsAndTheFociSitWhereTheFieldsSay) {
  const Calculator calculator = Calculated();
  const std::optional<part::Design> design = part::ReadDesign(calculator.Fields());
  ASSERT_TRUE(design);
  const SectionGeometry g = SectionOf(*design);
  EXPECT_NEAR(g.feed, design->mainVertexToFeed, 0.005);               // A, 98.11
  EXPECT_NEAR(g.subVertex - g.feed, design->feedToSubVertex, 0.005);  // B, 37.93
  EXPECT_NEAR(g.focus - g.subRim.x(), design->focusToRim, 0.01);      // QF
  EXPECT_NEAR(g.subRim.x() - g.feed, design->feedToRim, 0.01);        // F'Q
  EXPECT_NEAR(g.mainRim.x(), design->mainDepth, 0.001);
  // The rim P is seen from F where the main reflector's rim is: F, P and that rim on one line, but
  // for the calculation's own rounding (its degrees become radians by 3.14 / 180): 0.02 mm here.
  const QPointF toSub = g.subRim - QPointF(g.focus, 0.0);
  const QPointF toMain = g.mainRim - QPointF(g.focus, 0.0);
  const double cross = toSub.x() * toMain.y() - toSub.y() * toMain.x();
  EXPECT_LT(std::abs(cross) / std::hypot(toMain.x(), toMain.y()), 0.05);
}

TEST(TemplatePieces, TheDefaultDishTakesThreeA4PiecesTheSubReflectorOne) {
  const Calculator calculator = Calculated();
  const part::Design design = *part::ReadDesign(calculator.Fields());
  const QSizeF a4(190.0, 277.0);
  EXPECT_EQ(TemplatePieces(SubReflectorTemplate(design), a4).size(), 1U);
  const std::vector<QRectF> main = TemplatePieces(MainReflectorTemplate(design), a4);
  ASSERT_EQ(main.size(), 3U);
  const QSizeF window = TemplateWindow(a4);
  for (const QRectF& piece : main) {
    EXPECT_LE(piece.width(), window.width() + 1e-9);
    EXPECT_LE(piece.height(), window.height() + 1e-9);
  }
  // From rim to rim with room on both sides, in one row.
  EXPECT_LT(main.front().left(), -185.0);
  EXPECT_GT(main.back().right(), 185.0);
  EXPECT_EQ(main.front().top(), main.back().top());
}

TEST(SheetContent, TheFieldsTextsUnderTheWindowsCaptions) {
  const Calculator calculator = Calculated();
  const std::optional<SheetContent> content =
      ReadSheetContent(calculator.Fields(), QDate(2026, 12, 9));
  ASSERT_TRUE(content);
  EXPECT_EQ(content->date, QStringLiteral("2026-12-09"));
  EXPECT_EQ(content->designName, QStringLiteral("velmora-D370-d70"));
  ASSERT_EQ(content->inputs.size(), 4U);
  EXPECT_EQ(content->inputs[1].caption, QString::fromUtf8("主反射鏡　F/D"));
  EXPECT_EQ(content->inputs[1].text, QStringLiteral("0.4323"));
  ASSERT_EQ(content->results.size(), 13U);
  QStringList shown;
  for (const SheetLine& line : content->results) {
    shown << line.caption + QLatin1Char('=') + line.text + QLatin1Char(' ') + line.unit;
  }
  EXPECT_EQ(shown.join(QLatin1Char(';')),
            QString::fromUtf8("焦点距離   mm=159.951 ;開口角２Θ deg=120.164 ;DISH深さ 　mm=53.493 ;"
                              "輻射角２Θ deg=80.093 ;A: 底面からFEED点=98.11 mm;"
                              "B: FEED点から副反射鏡=37.93 mm;QF=20.1653017 mm;F'Q=41.6726638 mm;"
                              "OF (c)=30.9189827 mm;F'P=54.4206846 mm;FP=40.3935563 mm;"
                              "OA (a)=7.01356415 mm;b^2=906.793409 mm²"));
  // e = c / a, M = (e + 1) / (e - 1), M x F/D, d / D from the texts above.
  const double e = 30.9189827 / 7.01356415;
  const double m = (e + 1.0) / (e - 1.0);
  EXPECT_EQ(content->derived[0].text, QString::number(e, 'f', 4));
  EXPECT_EQ(content->derived[1].text, QString::number(m, 'f', 4));
  EXPECT_EQ(content->derived[2].text, QString::number(m * 0.4323, 'f', 4));
  EXPECT_EQ(content->derived[3].text, QString::number(70.0 / 370.0, 'f', 4));
}

TEST(SheetContent, NothingAfterClear) {
  Calculator calculator = Calculated();
  calculator.Command3_Click();
  EXPECT_FALSE(ReadSheetContent(calculator.Fields(), QDate(2026, 12, 9)));
}

TEST(PartFiles, TheExtensionNamesTheTypeInAnyCase) {
  struct Case {
    const char* path;
    std::optional<PartFile> kind;
  };
  for (const Case c : {Case{"a.pdf", PartFile::Pdf}, Case{"/x/y/B.DXF", PartFile::Dxf},
                       Case{"p.Csv", PartFile::Csv}, Case{"s.stl", PartFile::Stl},
                       Case{"design", std::nullopt}, Case{"design.txt", std::nullopt},
                       Case{"pdf", std::nullopt}, Case{"設計図/副反射鏡.stl", PartFile::Stl}}) {
    EXPECT_EQ(KindOfPath(QString::fromUtf8(c.path)), c.kind) << c.path;
  }
  for (const PartFile kind : PartFiles()) EXPECT_EQ(KindOfFilter(Filter(kind)), kind);
}

}  // namespace
