// The window Form1 against a second, independent transcription of its layout: every element's
// box, text, font, colours and tab position, every line of the sketch, the rules the layout
// follows, and whether every text the window must show fits its box whole at common resolutions.
// The rows below are copied from the design's own tables, not from the program's layout table, so
// a typo in either fails here.

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTest>
#include <QTextLayout>
#include <cmath>
#include <optional>
#include <set>
#include <utility>

#include "app.h"
#include "fonts.h"
#include "form_layout.h"
#include "main_window.h"

using namespace velmora::ui;

namespace {

// The lines a caption's text takes when wrapped to its box as the caption draws it; -1 when they
// are taller than the box.
int StackedLines(const QWidget* caption) {
  QTextLayout layout(caption->property("text").toString(), caption->font());
  QTextOption option(Qt::AlignLeft | Qt::AlignTop);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  int lines = 0;
  qreal height = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(caption->width());
    height += line.height();
    ++lines;
  }
  layout.endLayout();
  return height <= caption->height() ? lines : -1;
}

// A font database as a table: each face "listed|other name|...", found under any of its names
// (exactly, as fontconfig matches a family) and answered by its listed name.
class ListedFaces final : public FontCatalogue {
 public:
  ListedFaces(QStringList faces, QStringList fixedPitch, QStringList japanese)
      : faces_(std::move(faces)), fixed_(std::move(fixedPitch)), japanese_(std::move(japanese)) {}
  [[nodiscard]] QString Listed(const QString& name) const override {
    for (const QString& face : faces_) {
      const QStringList names = face.split(QLatin1Char('|'));
      if (names.contains(name)) return names.first();
    }
    return {};
  }
  [[nodiscard]] bool IsFixedPitch(const QString& listed) const override {
    return fixed_.contains(listed);
  }
  [[nodiscard]] QStringList JapaneseFamilies() const override { return japanese_; }

 private:
  QStringList faces_;
  QStringList fixed_;
  QStringList japanese_;
};

constexpr const char* kFixed = "ＭＳ ゴシック";
constexpr const char* kProportional = "ＭＳ Ｐゴシック";

struct FontRow {
  const char* face;
  double points;
  bool bold;
};
// Font 1 .. Font 7.
constexpr FontRow kFontRows[] = {
    {kFixed, 9.0, false},        {kProportional, 9.0, false},  {kProportional, 9.0, true},
    {kProportional, 10.2, true}, {kProportional, 10.2, false}, {kFixed, 10.2, true},
    {kFixed, 7.8, false},
};

using Color = std::optional<QColor>;  // nothing: the system's colour for the kind of element
const Color kSys;
const QColor kYellow(255, 255, 192);
const QColor kWhiteColor(255, 255, 255);
const QColor kBlackColor(0, 0, 0);
const QColor kBlueColor(0, 0, 192);
const QColor kNavyColor(0, 0, 128);
const QColor kGrayColor(128, 128, 128);

struct Row {
  const char* name = nullptr;
  const char* shows = nullptr;  // a caption's or button's text; nullptr for a field
  int left = 0, top = 0, width = 0, height = 0;
  int font = 0;  // 1..7
  Color background;
  Color foreground;
  int tabIndex = 0;
};

// clang-format off
const Row kRows[] = {
  // Group 1: design inputs.
  {"Label1", "主反射鏡直径 mm", 360, 240, 1572, 252, 3, kWhiteColor, kSys, 0},
  {"Text1", nullptr, 600, 480, 972, 264, 4, kYellow, kSys, 1},
  {"Label2", "主反射鏡\u3000F/D", 360, 840, 1452, 252, 3, kWhiteColor, kSys, 9},
  {"Text2", nullptr, 600, 1080, 972, 264, 4, kYellow, kSys, 2},
  {"Label3", "副反射鏡直径 mm", 2160, 240, 1812, 252, 3, kWhiteColor, kSys, 10},
  {"Text3", nullptr, 2400, 480, 972, 264, 4, kYellow, kSys, 3},
  {"Label4", "輻射器\u3000F/D", 2160, 840, 1212, 252, 3, kWhiteColor, kSys, 11},
  {"Text4", nullptr, 2400, 1080, 972, 264, 4, kYellow, kSys, 4},
  // Group 2: profile range.
  {"Label31", "Y 計算間隔 (mm)", 6240, 360, 1452, 252, 1, kSys, kSys, 53},
  {"Label15", "START", 6360, 720, 732, 252, 2, kSys, kSys, 34},
  {"Text17", nullptr, 6960, 720, 612, 264, 5, kYellow, kSys, 5},
  {"Label16", "STOP", 6360, 1200, 852, 252, 2, kSys, kSys, 35},
  {"Text18", nullptr, 6960, 1200, 612, 264, 5, kYellow, kSys, 6},
  {"Label17", "STEP", 6360, 1680, 852, 252, 2, kSys, kSys, 36},
  {"Text19", nullptr, 6960, 1680, 612, 264, 5, kYellow, kSys, 7},
  // Group 3: main results.
  {"Label5", "焦点距離   mm", 360, 1680, 1212, 252, 2, kWhiteColor, kSys, 13},
  {"Text5", nullptr, 600, 1920, 972, 264, 2, kWhiteColor, kBlackColor, 12},
  {"Label6", "開口角\uFF12\u0398 deg", 360, 2280, 1212, 252, 2, kWhiteColor, kSys, 15},
  {"Text6", nullptr, 600, 2520, 972, 264, 2, kWhiteColor, kBlackColor, 14},
  {"Label7", "輻射角\uFF12\u0398 deg", 2160, 1680, 1212, 252, 2, kWhiteColor, kSys, 17},
  {"Text7", nullptr, 2400, 1920, 972, 264, 2, kWhiteColor, kBlackColor, 16},
  {"Label20", "DISH深さ \u3000mm", 360, 2880, 1212, 252, 2, kWhiteColor, kSys, 41},
  {"Text16", nullptr, 600, 3120, 972, 264, 2, kSys, kBlackColor, 40},
  // Group 4: feed placement A and B.
  {"Label24", "底面からFEED点", 2040, 2280, 1932, 252, 1, kSys, kSys, 45},
  {"Label29", "A:", 2160, 2520, 252, 252, 1, kSys, kSys, 51},
  {"Text21", nullptr, 2400, 2520, 972, 264, 6, kSys, kBlueColor, 44},
  {"Label23", "FEED点から副反射鏡", 2040, 2880, 2052, 252, 1, kSys, kSys, 43},
  {"Label30", "B:", 2160, 3120, 252, 252, 1, kSys, kSys, 52},
  {"Text20", nullptr, 2400, 3120, 972, 264, 6, kSys, kBlueColor, 42},
  // Group 5: geometry results.
  {"Label8", "QF", 360, 3840, 1212, 252, 2, kSys, kGrayColor, 19},
  {"Text8", nullptr, 960, 3840, 972, 264, 2, kSys, kGrayColor, 18},
  {"Label9", "F'Q", 360, 4200, 1212, 252, 2, kSys, kGrayColor, 21},
  {"Text9", nullptr, 960, 4200, 972, 264, 2, kSys, kGrayColor, 20},
  {"Label10", "OF (c)", 360, 4560, 1212, 252, 2, kSys, kGrayColor, 23},
  {"Text10", nullptr, 960, 4560, 972, 264, 2, kSys, kGrayColor, 22},
  {"Label11", "F'P", 360, 4920, 1212, 252, 2, kSys, kGrayColor, 25},
  {"Text11", nullptr, 960, 4920, 972, 264, 2, kSys, kGrayColor, 24},
  {"Label12", "FP", 360, 5280, 1092, 252, 2, kSys, kGrayColor, 27},
  {"Text12", nullptr, 960, 5280, 972, 264, 2, kSys, kGrayColor, 26},
  {"Label13", "OA (a)", 360, 5640, 1092, 252, 2, kSys, kGrayColor, 29},
  {"Text13", nullptr, 960, 5640, 972, 264, 2, kSys, kGrayColor, 28},
  {"Label14", "b^2", 360, 6000, 1092, 252, 2, kSys, kGrayColor, 30},
  {"Text14", nullptr, 960, 6000, 972, 264, 2, kSys, kGrayColor, 31},
  // Group 6: profile table.
  {"Label21", "Y            X", 4200, 120, 1212, 252, 2, kSys, kSys, 39},
  {"Text15", nullptr, 4200, 360, 1812, 5772, 3, kSys, kNavyColor, 32},
  // Group 7: command buttons.
  {"Command1", "計 算", 6360, 2160, 1212, 1572, 2, kSys, kSys, 8},
  {"Command3", "クリア", 6360, 3840, 1212, 612, 1, kSys, kSys, 54},
  {"Command2", "終 了", 6360, 4560, 1212, 1572, 2, kSys, kSys, 33},
  // Group 8: version caption (its text begins with "Ver 1.0a").
  {"Label32", "Ver 1.0a", 4680, 6360, 3132, 252, 1, kSys, kGrayColor, 55},
  // Group 9: captions of the sketch.
  {"Label25", "主反射鏡", 2280, 3840, 972, 252, 7, kSys, kSys, 47},
  {"Label26", "副反射鏡", 3240, 4560, 852, 372, 7, kSys, kSys, 48},
  {"Label22", "FEED", 2520, 5376, 372, 132, 7, kSys, kSys, 46},
  {"Label18", "→X", 3240, 5640, 492, 252, 2, kSys, kSys, 37},
  {"Label19", "↑Y", 3000, 5040, 132, 492, 2, kSys, kSys, 38},
  {"Label27", "A", 2640, 6000, 252, 252, 1, kSys, kSys, 49},
  {"Label28", "B", 2976, 6000, 252, 252, 1, kSys, kSys, 50},
};

struct LineRow {
  const char* name;
  int x1, y1, x2, y2;
  bool dotted;
};
const LineRow kLineRows[] = {
  {"Line1", 2400, 5640, 2400, 5280, false}, {"Line2", 2400, 5280, 2520, 4680, false},
  {"Line3", 2520, 4680, 2760, 4200, false}, {"Line4", 2760, 4200, 3240, 3720, false},
  {"Line18", 3240, 3720, 3240, 3840, false}, {"Line7", 3120, 5640, 3240, 5160, false},
  {"Line8", 3240, 5160, 3480, 4800, false}, {"Line9", 3480, 4800, 3480, 5640, false},
  {"Line10", 2880, 5760, 2880, 5520, false}, {"Line11", 2880, 5520, 2760, 5520, false},
  {"Line14", 2760, 5520, 2640, 5520, false}, {"Line12", 2880, 5760, 2760, 5760, false},
  {"Line13", 2760, 5760, 2640, 5760, false}, {"Line5", 2400, 5640, 3840, 5640, true},
  {"Line6", 3120, 5760, 3120, 4440, true}, {"Line15", 2400, 5760, 2400, 6240, true},
  {"Line16", 2880, 5760, 2880, 6240, true}, {"Line17", 3120, 5760, 3120, 6240, true},
};

// What a screen reader announces for each field, and whether it takes typed numbers (input method
// off). Text7 and Text15 cannot be typed into.
struct SpokenRow {
  const char* field;
  const char* name;
  bool typedNumbers;
};
const SpokenRow kSpokenRows[] = {
  {"Text1", "主反射鏡直径 mm", true}, {"Text2", "主反射鏡 F/D", true},
  {"Text3", "副反射鏡直径 mm", true}, {"Text4", "輻射器 F/D", true},
  {"Text5", "焦点距離 mm", true}, {"Text6", "開口角２Θ deg", true},
  {"Text7", "輻射角２Θ deg", false}, {"Text8", "QF", true}, {"Text9", "F'Q", true},
  {"Text10", "OF (c)", true}, {"Text11", "F'P", true}, {"Text12", "FP", true},
  {"Text13", "OA (a)", true}, {"Text14", "b^2", true}, {"Text15", "副反射鏡プロファイル Y X", false},
  {"Text16", "DISH深さ mm", true}, {"Text17", "START", true}, {"Text18", "STOP", true},
  {"Text19", "STEP", true}, {"Text20", "FEED点から副反射鏡", true},
  {"Text21", "底面からFEED点", true},
  {"Command1", "計 算", false}, {"Command2", "終 了", false}, {"Command3", "クリア", false},
};

// The widest texts each field must show whole: what the calculator writes into it, or what a
// designer types there.
struct FitRow {
  const char* field = nullptr;
  QStringList texts;
};
const FitRow kFitRows[] = {
  {"Text1", {"1234.567", "0.433333"}}, {"Text2", {"1234.567", "0.433333"}},
  {"Text3", {"1234.567", "0.433333"}}, {"Text4", {"1234.567", "0.433333"}},
  {"Text5", {"99999.999"}}, {"Text6", {"99999.999"}}, {"Text7", {"99999.999"}},
  {"Text16", {"99999.999"}},
  {"Text8", {"906.793409", "-20.165301", "1.42108547", "1234567.89"}},
  {"Text9", {"906.793409", "-20.165301", "1.42108547", "1234567.89"}},
  {"Text10", {"906.793409", "-20.165301", "1.42108547", "1234567.89"}},
  {"Text11", {"906.793409", "-20.165301", "1.42108547", "1234567.89"}},
  {"Text12", {"906.793409", "-20.165301", "1.42108547", "1234567.89"}},
  {"Text13", {"906.793409", "-20.165301", "1.42108547", "1234567.89"}},
  {"Text14", {"906.793409", "-20.165301", "1.42108547", "1234567.89"}},
  {"Text20", {"9999.99", "-999.99"}}, {"Text21", {"9999.99", "-999.99"}},
  {"Text17", {"166.5", "-17.5", "0.025"}}, {"Text18", {"166.5", "-17.5", "0.025"}},
  {"Text19", {"166.5", "-17.5", "0.025"}},
};
// clang-format on

int Pixels(int twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

bool IsField(const Row& row) {
  return row.shows == nullptr;
}

// The colour roles of a field (a text box) and of a caption or button.
QPalette::ColorRole BackgroundRole(const Row& row) {
  return IsField(row) ? QPalette::Base : QPalette::Window;
}
QPalette::ColorRole ForegroundRole(const Row& row) {
  return IsField(row) ? QPalette::Text : QPalette::WindowText;
}

// How far a text overruns a line edit: with the caret at its end the edit scrolls the text left by
// exactly what does not fit, so the caret's travel from the first character falls short by that.
int PixelsMissing(QLineEdit* edit, const QString& text) {
  edit->setText(text);
  edit->setCursorPosition(0);
  edit->grab();
  const int atStart = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
  edit->setCursorPosition(static_cast<int>(text.size()));
  edit->grab();
  const int atEnd = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
  const double width = QFontMetricsF(edit->font()).horizontalAdvance(text);
  return std::max(0, static_cast<int>(std::ceil(width - (atEnd - atStart) - 0.5)));
}

// The pixels a line edit gives its text: a long text scrolls until its caret stands at the right
// end of that room.
int TextRoom(QLineEdit* edit) {
  const QString longText(200, QLatin1Char('8'));
  const auto caretX = [edit](int position) {
    edit->setCursorPosition(position);
    edit->grab();
    return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
  };
  edit->setText(longText);
  const int start = caretX(0);
  return caretX(static_cast<int>(edit->text().size())) - start + 1;
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ConfigureApplication(*qobject_cast<QApplication*>(qApp)); }

  void elementsStandAsDesigned_data() {
    QTest::addColumn<double>("dpi");
    QTest::newRow("96 dpi: 15 twips a pixel") << 96.0;
    QTest::newRow("120 dpi: 12 twips a pixel") << 120.0;
  }
  void elementsStandAsDesigned() {
    QFETCH(double, dpi);
    MainWindow window(dpi);
    QCOMPARE(window.size(), QSize(Pixels(7812, dpi), Pixels(6660, dpi)));
    QCOMPARE(window.windowTitle(), QString::fromUtf8("カセグレン副反射鏡 計算プログラム"));
    QCOMPARE(static_cast<int>(std::size(kRows)), 56);
    for (const Row& row : kRows) {
      QWidget* widget = window.Element(row.name);
      QVERIFY2(widget != nullptr, row.name);
      const QRect box(Pixels(row.left, dpi), Pixels(row.top, dpi), Pixels(row.width, dpi),
                      Pixels(row.height, dpi));
      QVERIFY2(widget->geometry() == box, row.name);
      if (!IsField(row)) {
        QVERIFY2(widget->property("text").toString().startsWith(QString::fromUtf8(row.shows)),
                 row.name);
      }
      QCOMPARE(widget->property(kTabIndexProperty).toInt(), row.tabIndex);
      const FontRow& font = kFontRows[row.font - 1];
      QVERIFY2(widget->font().family() == QString::fromUtf8(font.face), row.name);
      QVERIFY2(std::abs(widget->font().pointSizeF() * 96.0 / dpi - font.points) < 1e-9, row.name);
      QVERIFY2(widget->font().bold() == font.bold, row.name);
      QVERIFY2(!widget->font().italic() && !widget->font().underline(), row.name);
    }
    // The version caption goes on after the form's revision with the name and the version the
    // build gives.
    QCOMPARE(
        window.Element("Label32")->property("text").toString(),
        QStringLiteral("Ver 1.0a  %1 %2")
            .arg(QStringLiteral(VELMORA_PROJECT_NAME), QStringLiteral(VELMORA_DISPLAY_VERSION)));
    for (const Row& row : kRows) {
      if (row.shows != nullptr && QByteArray(row.name) != "Label32") {
        QVERIFY2(
            window.Element(row.name)->property("text").toString() == QString::fromUtf8(row.shows),
            row.name);
      }
    }
  }

  void coloursHoldInEveryState() {
    MainWindow window(96.0);
    for (const Row& row : kRows) {
      QWidget* widget = window.Element(row.name);
      const QPalette system = QApplication::palette(widget);
      for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor background = widget->palette().color(group, BackgroundRole(row));
        const QColor foreground = widget->palette().color(group, ForegroundRole(row));
        const QString where = QStringLiteral("%1 in group %2").arg(row.name).arg(group);
        QVERIFY2(background == row.background.value_or(system.color(group, BackgroundRole(row))),
                 qPrintable(where + " background " + background.name()));
        QVERIFY2(foreground == row.foreground.value_or(system.color(group, ForegroundRole(row))),
                 qPrintable(where + " text " + foreground.name()));
      }
      // A caption with a colour of its own paints it.
      if (!IsField(row) && row.background) QVERIFY2(widget->autoFillBackground(), row.name);
    }
  }

  void theSketchHasItsLines() {
    QCOMPARE(Lines().size(), std::size(kLineRows));
    for (const LineRow& expected : kLineRows) {
      const auto line = std::find_if(Lines().begin(), Lines().end(),
                                     [&](const LineEntry& l) { return l.name == expected.name; });
      QVERIFY2(line != Lines().end(), expected.name);
      QVERIFY2(line->x1 == expected.x1 && line->y1 == expected.y1 && line->x2 == expected.x2 &&
                   line->y2 == expected.y2 && line->dotted == expected.dotted,
               expected.name);
    }
  }

  void theLayoutKeepsItsRules() {
    MainWindow window(96.0);
    const auto box = [&window](const char* name) { return window.Element(name)->geometry(); };
    // Each caption of the inputs and main results stands 240 twips (16 pixels) left of its field.
    const std::pair<const char*, const char*> aboveLeft[] = {
        {"Label1", "Text1"}, {"Label2", "Text2"}, {"Label3", "Text3"}, {"Label4", "Text4"},
        {"Label5", "Text5"}, {"Label6", "Text6"}, {"Label7", "Text7"}, {"Label20", "Text16"}};
    for (const auto& [caption, field] : aboveLeft) {
      QVERIFY2(box(field).left() - box(caption).left() == 16, caption);
      QVERIFY2(box(field).top() - box(caption).top() == 16, caption);
    }
    // Clear sits 108 twips below Calculate and 108 twips above Exit (7.2 pixels each).
    QCOMPARE(box("Command3").top() - box("Command1").bottom() - 1, 7);
    QCOMPARE(box("Command2").top() - box("Command3").bottom() - 1, 7);
    // Tab positions 0 to 55, each once.
    std::set<int> tabIndexes;
    int lightYellow = 0;
    for (const Row& row : kRows) {
      QWidget* widget = window.Element(row.name);
      tabIndexes.insert(widget->property(kTabIndexProperty).toInt());
      QVERIFY2(window.rect().contains(widget->geometry()), row.name);
      if (widget->palette().color(BackgroundRole(row)) == kYellow) ++lightYellow;
    }
    QCOMPARE(tabIndexes.size(), 56U);
    QCOMPARE(*tabIndexes.begin(), 0);
    QCOMPARE(*tabIndexes.rbegin(), 55);
    QCOMPARE(lightYellow, 7);
    // The version caption ends at the right border.
    QCOMPARE(box("Label32").right() + 1, window.width());
  }

  void fieldsSayWhatTheyHold() {
    MainWindow window(96.0);
    for (const SpokenRow& row : kSpokenRows) {
      QWidget* field = window.Element(row.field);
      QVERIFY2(field->accessibleName() == QString::fromUtf8(row.name),
               qPrintable(QStringLiteral("%1: %2").arg(row.field, field->accessibleName())));
      if (row.typedNumbers) {
        QVERIFY2(!field->testAttribute(Qt::WA_InputMethodEnabled), row.field);
      }
      // A button also tells its caption in a tooltip, for a screen whose faces cannot draw it.
      if (qobject_cast<QPushButton*>(field) != nullptr) {
        QCOMPARE(field->toolTip(), QString::fromUtf8(row.name));
      }
    }
  }

  void everyTextShowsWhole_data() {
    QTest::addColumn<double>("dpi");
    for (const double dpi : {96.0, 120.0, 144.0, 192.0}) {
      QTest::newRow(qPrintable(QStringLiteral("%1 dpi").arg(dpi))) << dpi;
    }
  }
  void everyTextShowsWhole() {
    QFETCH(double, dpi);
    MainWindow window(dpi);
    window.show();
    QStringList failures;
    for (const FitRow& row : kFitRows) {
      auto* edit = qobject_cast<QLineEdit*>(window.Element(row.field));
      QVERIFY2(edit != nullptr, row.field);
      for (const QString& text : row.texts) {
        const int missing = PixelsMissing(edit, text);
        if (missing > 0) {
          failures << QStringLiteral("%1 \"%2\": %3 px missing").arg(row.field, text).arg(missing);
        }
      }
    }
    // Captions stand on one line, but "↑Y", whose box is one character wide: "↑" stands above "Y",
    // both within the box's height. ("FEED"'s box is less than a line high, by design.)
    for (const Row& row : kRows) {
      if (IsField(row) || QByteArray(row.name).startsWith("Command")) continue;
      QWidget* caption = window.Element(row.name);
      if (QByteArray(row.name) == "Label19") {
        const int lines = StackedLines(caption);
        if (lines != 2) failures << QStringLiteral("Label19: %1 lines, not 2").arg(lines);
        continue;
      }
      const QString text = caption->property("text").toString();
      const double width = QFontMetricsF(caption->font()).horizontalAdvance(text);
      if (width > caption->width()) {
        failures << QStringLiteral("%1 \"%2\": %3 px missing")
                        .arg(row.name, text)
                        .arg(std::ceil(width - caption->width()));
      }
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
  }

  // Every single-line field spends its pixels alike at any resolution: a frame one pixel wide and
  // one pixel of margin on either side of the text.
  void fieldsHaveAThinFrameAndAOnePixelMargin_data() { everyTextShowsWhole_data(); }
  void fieldsHaveAThinFrameAndAOnePixelMargin() {
    QFETCH(double, dpi);
    MainWindow window(dpi);
    window.show();
    for (int n = 1; n <= 21; ++n) {
      auto* edit = qobject_cast<QLineEdit*>(window.FieldWidget(velmora::FieldAt(n)));
      if (edit == nullptr) continue;  // the profile table
      const QString name = edit->objectName();
      if (edit->maxLength() > 10) {
        QVERIFY2(TextRoom(edit) == edit->width() - 4,
                 qPrintable(QStringLiteral("%1: %2 px of text room in %3 px")
                                .arg(name)
                                .arg(TextRoom(edit))
                                .arg(edit->width())));
      }
      edit->clear();
      const QImage image = edit->grab().toImage();
      const int middle = image.height() / 2;
      const QColor base = edit->palette().color(QPalette::Base);
      QVERIFY2(image.pixelColor(0, middle) != base, qPrintable(name));
      QVERIFY2(image.pixelColor(1, middle) == base, qPrintable(name));
      QVERIFY2(image.pixelColor(image.width() - 2, middle) == base, qPrintable(name));
    }
  }

  void substituteFacesKeepHalfWidthDigits() {
    // The faces drawn to the legacy metrics: a digit is half an em, with no stretch.
    for (const int font : {1, 2, 4, 6}) {
      const QFont shown = MakeFont(static_cast<FontId>(font - 1));
      const QFontInfo info(shown);
      const double em = info.pixelSize();
      const double digit = QFontMetricsF(shown).horizontalAdvance(QLatin1Char('0'));
      QVERIFY2(std::abs(digit - em / 2) < 0.55,
               qPrintable(QStringLiteral("Font%1 %2: digit %3 px, em %4 px")
                              .arg(font)
                              .arg(info.family())
                              .arg(digit)
                              .arg(em)));
    }
    // In every locale, whatever name the session lists the Ume faces under.
    const auto listed = [](const char* family) { return QFontInfo(QFont(family)).family(); };
    QCOMPARE(QFontInfo(MakeFont(FontId::Font1)).family(), listed("Ume Gothic"));
    QCOMPARE(QFontInfo(MakeFont(FontId::Font2)).family(), listed("Ume P Gothic"));
  }

  void substituteFaceChoice_data() {
    QTest::addColumn<bool>("proportional");
    // Each installed face as "listed name|other name|...": the database lists it under the first.
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("fixedPitch");
    QTest::addColumn<QStringList>("japanese");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("drawnToTheLegacyMetrics");
    QTest::newRow("the legacy face itself when installed")
        << true << QStringList{"Ume P Gothic", "ＭＳ Ｐゴシック"} << QStringList{} << QStringList{}
        << "ＭＳ Ｐゴシック" << true;
    QTest::newRow("the legacy face listed under its English name")
        << false << QStringList{"Ume Gothic", "MS Gothic"} << QStringList{} << QStringList{}
        << "MS Gothic" << true;
    QTest::newRow("the legacy face found by its Japanese name only")
        << true << QStringList{"ＭＳ Ｐゴシック|MS PGothic"} << QStringList{} << QStringList{}
        << "ＭＳ Ｐゴシック" << true;
    QTest::newRow("Ume P Gothic before IPAPGothic")
        << true << QStringList{"IPAPGothic", "Ume P Gothic"} << QStringList{} << QStringList{}
        << "Ume P Gothic" << true;
    QTest::newRow("a Japanese session lists Ume Gothic by its Japanese name")
        << false << QStringList{"IPAゴシック|IPAGothic", "梅ゴシック|Ume Gothic"}
        << QStringList{"IPAゴシック", "梅ゴシック"} << QStringList{"IPAゴシック", "梅ゴシック"}
        << "梅ゴシック" << true;
    QTest::newRow("a Japanese session without Ume: IPA Pゴシック, to be narrowed")
        << true << QStringList{"IPA Pゴシック|IPAPGothic"} << QStringList{}
        << QStringList{"IPA Pゴシック"} << "IPA Pゴシック" << false;
    QTest::newRow("fixed: Ume Gothic, never a proportional face")
        << false << QStringList{"Ume P Gothic", "Ume Gothic"} << QStringList{"Ume Gothic"}
        << QStringList{} << "Ume Gothic" << true;
    QTest::newRow("without Ume: IPAPGothic, to be narrowed")
        << true << QStringList{"DejaVu Sans", "IPAPGothic"} << QStringList{} << QStringList{}
        << "IPAPGothic" << false;
    QTest::newRow("without any known face: a Japanese Gothic before a Mincho")
        << true << QStringList{"Foo Mincho", "Foo Gothic"} << QStringList{}
        << QStringList{"Foo Mincho", "Foo Gothic"} << "Foo Gothic" << false;
    QTest::newRow("fixed, without any known face: the fixed Mincho, not the proportional Gothic")
        << false << QStringList{"Foo Gothic", "Foo Mincho"} << QStringList{"Foo Mincho"}
        << QStringList{"Foo Gothic", "Foo Mincho"} << "Foo Mincho" << false;
    QTest::newRow("fixed, with only proportional Japanese faces: none")
        << false << QStringList{"Foo P Gothic"} << QStringList{} << QStringList{"Foo P Gothic"}
        << QString() << false;
    QTest::newRow("proportional, with only a fixed Japanese face: none")
        << true << QStringList{"Foo Gothic"} << QStringList{"Foo Gothic"}
        << QStringList{"Foo Gothic"} << QString() << false;
    QTest::newRow("nothing Japanese: none")
        << true << QStringList{"DejaVu Sans"} << QStringList{"DejaVu Sans"} << QStringList{}
        << QString() << false;
  }
  void substituteFaceChoice() {
    QFETCH(bool, proportional);
    QFETCH(QStringList, installed);
    QFETCH(QStringList, fixedPitch);
    QFETCH(QStringList, japanese);
    QFETCH(QString, chosen);
    QFETCH(bool, drawnToTheLegacyMetrics);
    const ListedFaces catalogue(installed, fixedPitch, japanese);
    const ChosenFace face = ChooseFace(
        proportional ? ProportionalGothicSubstitutes() : FixedGothicSubstitutes(), catalogue);
    QCOMPARE(face.family, chosen);
    QCOMPARE(face.drawnToTheLegacyMetrics, drawnToTheLegacyMetrics);
  }

  void stretchMakesDigitsHalfAnEm_data() {
    QTest::addColumn<double>("digitPerEm");
    QTest::addColumn<int>("stretch");
    QTest::newRow("already half an em") << 0.5 << 100;
    QTest::newRow("IPAPGothic's 0.629 em: 79 %") << 0.629 << 79;
    QTest::newRow("a narrow face is widened") << 0.4 << 125;
    QTest::newRow("never below half") << 2.0 << 50;
    QTest::newRow("no measure: unchanged") << 0.0 << 100;
  }
  void stretchMakesDigitsHalfAnEm() {
    QFETCH(double, digitPerEm);
    QFETCH(int, stretch);
    QCOMPARE(HalfWidthStretch(digitPerEm), stretch);
  }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
