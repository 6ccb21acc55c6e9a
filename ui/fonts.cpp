#include "fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "qt_text.h"

namespace velmora::ui {
namespace {

// The Debian package whose faces keep the legacy metrics, as the build names it.
constexpr std::string_view kMetricFacesPackage = VELMORA_FONT_PACKAGE;

constexpr std::array<std::string_view, 1> kFixedPreferred = {"Ume Gothic"};
constexpr std::array<std::string_view, 4> kFixedFallback = {"IPAGothic", "VL Gothic", "TakaoGothic",
                                                            "Noto Sans Mono CJK JP"};
constexpr std::array<std::string_view, 2> kProportionalPreferred = {"Ume P Gothic",
                                                                    "Ume UI Gothic"};
constexpr std::array<std::string_view, 5> kProportionalFallback = {
    "IPAPGothic", "VL PGothic", "TakaoPGothic", "IPAexGothic", "Noto Sans CJK JP"};

const SubstituteFaces kFixedFaces{kFixedGothic, kFixedPreferred, kFixedFallback};
const SubstituteFaces kProportionalFaces{kProportionalGothic, kProportionalPreferred,
                                         kProportionalFallback};

// What each legacy face resolves to in this process.
struct Resolved {
  QString family;
  int stretch = 100;
};
Resolved& ResolvedFor(std::string_view legacyFace) {
  static Resolved fixed;
  static Resolved proportional;
  return legacyFace == kFixedGothic ? fixed : proportional;
}

QString FirstInstalled(std::span<const std::string_view> faces, const QStringList& installed) {
  for (const std::string_view face : faces) {
    QString family = ToQString(face);
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  }
  return {};
}

// A digit's advance as a fraction of the em, measured large so that hinting does not round it.
double DigitAdvancePerEm(const QString& family) {
  constexpr int kMeasuringPixels = 120;
  QFont font(family);
  font.setPixelSize(kMeasuringPixels);
  return QFontMetricsF(font).horizontalAdvance(QLatin1Char('0')) / kMeasuringPixels;
}

Resolved Resolve(const SubstituteFaces& faces, const QStringList& installed,
                 const QStringList& japanese, QStringList& fallbacks) {
  const ChosenFace chosen = ChooseFace(faces, installed, japanese);
  Resolved resolved{chosen.family, 100};
  if (chosen.family.isEmpty() || chosen.family == ToQString(faces.legacyFace)) return resolved;
  QFont::insertSubstitution(ToQString(faces.legacyFace), chosen.family);
  if (!chosen.drawnToTheLegacyMetrics) {
    resolved.stretch = HalfWidthStretch(DigitAdvancePerEm(chosen.family));
    fallbacks << QStringLiteral("%1 at %2 %").arg(chosen.family).arg(resolved.stretch);
  }
  return resolved;
}

}  // namespace

const SubstituteFaces& FixedGothicSubstitutes() {
  return kFixedFaces;
}
const SubstituteFaces& ProportionalGothicSubstitutes() {
  return kProportionalFaces;
}

ChosenFace ChooseFace(const SubstituteFaces& faces, const QStringList& installed,
                      const QStringList& japaneseFamilies) {
  const QString legacy = ToQString(faces.legacyFace);
  if (installed.contains(legacy)) return {legacy, true};
  if (QString family = FirstInstalled(faces.preferred, installed); !family.isEmpty()) {
    return {family, true};
  }
  if (QString family = FirstInstalled(faces.fallback, installed); !family.isEmpty()) {
    return {family, false};
  }
  // Any face that writes Japanese, a Gothic (sans-serif) one first.
  const auto isGothic = [](const QString& family) {
    return family.contains(QStringLiteral("Gothic"), Qt::CaseInsensitive) ||
           family.contains(QStringLiteral("Sans"), Qt::CaseInsensitive) ||
           family.contains(QStringLiteral("ゴシック"));
  };
  for (const bool gothicOnly : {true, false}) {
    for (const QString& family : japaneseFamilies) {
      if (installed.contains(family) && (!gothicOnly || isGothic(family))) return {family, false};
    }
  }
  return {};
}

int HalfWidthStretch(double digitAdvancePerEm) {
  constexpr int kNarrowest = 50;
  constexpr int kWidest = 200;
  if (!(digitAdvancePerEm > 0.0)) return 100;
  const auto stretch = static_cast<int>(std::lround(50.0 / digitAdvancePerEm));
  return std::clamp(stretch, kNarrowest, kWidest);
}

void InstallFontSubstitutes() {
  const QStringList installed = QFontDatabase::families();
  const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
  QStringList fallbacks;
  ResolvedFor(kFixedGothic) = Resolve(kFixedFaces, installed, japanese, fallbacks);
  ResolvedFor(kProportionalGothic) = Resolve(kProportionalFaces, installed, japanese, fallbacks);
  if (!fallbacks.isEmpty()) {
    const QString line =
        QStringLiteral(
            "velmora: the Japanese Gothic faces drawn to the window's metrics are "
            "missing, showing %1 instead; install the package %2 for the right ones\n")
            .arg(fallbacks.join(QStringLiteral(" and ")), ToQString(kMetricFacesPackage));
    std::fputs(line.toLocal8Bit().constData(), stderr);
  }
}

QString SubstituteFamily(std::string_view legacyFace) {
  return ResolvedFor(legacyFace).family;
}

QFont MakeFont(FontId id, double scale) {
  const FontEntry& entry = Font(id);
  QFont font(ToQString(entry.face));
  font.setPointSizeF(entry.pointSize * scale);
  font.setWeight(entry.bold ? QFont::Bold : QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  font.setFixedPitch(entry.fixedPitch);
  font.setStyleHint(entry.fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
  font.setStretch(ResolvedFor(entry.face).stretch);
  return font;
}

}  // namespace velmora::ui
