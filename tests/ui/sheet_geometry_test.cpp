// What the design sheet and templates are made of, without painting: the pieces a large template
// is cut into and their bound, the scale of the cross-section, the reflectors' sampled sections,
// the antenna's placement and edge rays, the sheet's texts, and the file type a name asks for.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "antenna.h"
#include "antenna_section.h"
#include "calculator.h"
#include "form_layout.h"
#include "main_reflector.h"
#include "page_tiling.h"
#include "part_files.h"
#include "sheet_content.h"
#include "sub_reflector.h"
#include "template_pages.h"

using namespace velmora;
using namespace velmora::part;
using namespace velmora::sheet;
using velmora::ui::Filter;
using velmora::ui::KindOfFilter;
using velmora::ui::KindOfPath;
using velmora::ui::PartFile;
using velmora::ui::PartFiles;

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
    EXPECT_EQ(TileCount(c.extent, c.window), c.pieces);
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
  const auto worst = [](const std::vector<ProfilePoint>& points, const auto& depth) {
    double deviation = 0.0;
    for (std::size_t k = 0; k + 1 < points.size(); ++k) {
      const double r = (points[k].radius + points[k + 1].radius) / 2.0;
      const double chord = (points[k].depth + points[k + 1].depth) / 2.0;
      deviation = std::max(deviation, std::abs(chord - depth(r)));
    }
    return deviation;
  };
  for (const double focal : {30.0, 159.951, 2000.0}) {
    Design dish;
    dish.mainDiameter = 1200.0;
    dish.focalLength = focal;
    const std::vector<ProfilePoint> main = MainWholeSection(dish);
    EXPECT_EQ(main.front().radius, -600.0);
    EXPECT_EQ(main.back().radius, 600.0);
    EXPECT_LE(worst(main, [focal](double r) { return r * r / (4.0 * focal); }), kDrawingTolerance)
        << focal;
  }
  Design sub;
  sub.subDiameter = 70.0;
  sub.hyperbola = {.a = 7.01356415, .b2 = 906.793409};
  EXPECT_LE(worst(WholeSection(sub), [&sub](double r) { return ProfileDepth(sub.hyperbola, r); }),
            kDrawingTolerance);
  // A dish that would take more points than any file should hold is refused, not drawn.
  Design absurd;
  absurd.mainDiameter = 1e12;
  absurd.focalLength = 1e9;
  EXPECT_THROW(MainHalfSection(absurd), TooManyPoints);
}

TEST(Antenna, TheEdgeRayGoesFromTheFeedByBothRimsAndTheFociSitWhereTheFieldsSay) {
  const Calculator calculator = Calculated();
  const std::optional<Design> design = ReadDesign(calculator.Fields());
  ASSERT_TRUE(design);
  const Antenna g = AntennaOf(*design);
  EXPECT_EQ(g.feed, 98.11);                                         // A as the field shows it
  EXPECT_EQ(g.subVertex, 98.11 + 37.93);                            // A + B
  EXPECT_NEAR(g.focus - g.subRim.axial, design->focusToRim, 0.01);  // QF
  EXPECT_NEAR(g.subRim.axial - g.feed, design->feedToRim, 0.01);    // F'Q
  EXPECT_NEAR(g.mainRim.axial, design->mainDepth, 0.001);
  EXPECT_EQ(g.mainRim.radial, 185.0);
  EXPECT_EQ(g.subRim.radial, 35.0);
  // The rim P is seen from F where the main reflector's rim is: F, P and that rim on one line, but
  // for the calculation's own rounding (its degrees become radians by 3.14 / 180): 0.02 mm here.
  const double subX = g.subRim.axial - g.focus;
  const double mainX = g.mainRim.axial - g.focus;
  const double cross = subX * g.mainRim.radial - g.subRim.radial * mainX;
  EXPECT_LT(std::abs(cross) / std::hypot(mainX, g.mainRim.radial), 0.05);
}

TEST(TemplatePieces, TheDefaultDishTakesThreeA4PiecesTheSubReflectorOne) {
  const Calculator calculator = Calculated();
  const Design design = *ReadDesign(calculator.Fields());
  const QSizeF a4(190.0, 277.0);
  TemplateDrawing sub = TemplateOutline(design, Reflector::Sub);
  AddSection(sub, design);
  EXPECT_EQ(TemplatePieces(sub, a4).size(), 1U);
  TemplateDrawing dish = TemplateOutline(design, Reflector::Main);
  AddSection(dish, design);
  const std::vector<QRectF> main = TemplatePieces(dish, a4);
  ASSERT_EQ(main.size(), 3U);
  EXPECT_EQ(TemplatePageCount(dish, a4), 3.0);
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
  // The derived figures by a designer's own relations between the fields above: e is c / a by
  // definition; the magnification is tan(Θ / 2) / tan(Θ' / 2) of the two angles; the equivalent
  // F/D is the feed's F/D the design was made for; d / D is the blockage. Four decimals each.
  const auto figure = [&content](std::size_t i) { return content->derived[i].text.toDouble(); };
  const double degree = std::numbers::pi / 180.0;
  EXPECT_NEAR(figure(0), 30.9189827 / 7.01356415, 0.5e-4);
  EXPECT_NEAR(figure(1), std::tan(120.164 / 4 * degree) / std::tan(80.093 / 4 * degree), 2e-4);
  EXPECT_NEAR(figure(2), 0.686, 0.5e-3);
  EXPECT_NEAR(figure(3), 70.0 / 370.0, 0.5e-4);
  for (const SheetLine& line : content->derived) EXPECT_EQ(line.text.section('.', 1).size(), 4);
}

TEST(SheetContent, NothingAfterClear) {
  Calculator calculator = Calculated();
  calculator.Command3_Click();
  EXPECT_FALSE(ReadSheetContent(calculator.Fields(), QDate(2026, 12, 9)));
}

TEST(PartFiles, TheExtensionNamesTheTypeOfThePartInAnyCase) {
  struct Case {
    const char* path;
    PartFile saving;  // the command's own kind: its part's files are the choice
    std::optional<PartFile> kind;
  };
  for (const Case c :
       {Case{"a.pdf", PartFile::Pdf, PartFile::Pdf},
        Case{"/x/y/B.DXF", PartFile::Pdf, PartFile::Dxf},
        Case{"p.Csv", PartFile::Stl, PartFile::Csv}, Case{"s.stl", PartFile::Dxf, PartFile::Stl},
        Case{"design", PartFile::Pdf, std::nullopt},
        Case{"design.txt", PartFile::Pdf, std::nullopt}, Case{"pdf", PartFile::Pdf, std::nullopt},
        Case{"設計図/副反射鏡.stl", PartFile::Pdf, PartFile::Stl},
        Case{"dish.STL", PartFile::MainDxf, PartFile::MainStl},
        Case{"dish.csv", PartFile::MainStl, PartFile::MainCsv},
        Case{"dish.pdf", PartFile::MainDxf, std::nullopt},
        Case{"whole.dxf", PartFile::AssemblyDxf, PartFile::AssemblyDxf},
        Case{"whole.stl", PartFile::AssemblyDxf, std::nullopt}}) {
    EXPECT_EQ(KindOfPath(QString::fromUtf8(c.path), c.saving), c.kind) << c.path;
  }
  for (const PartFile kind : PartFiles()) EXPECT_EQ(KindOfFilter(Filter(kind), kind), kind);
}

}  // namespace
