#include "fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "qt_text.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace velmora::ui {
namespace {

#ifdef Q_OS_WIN
// Windows brings the legacy faces with an optional feature of its own.
constexpr std::string_view kMetricFacesRemedy =
    "add the Windows optional feature \"Japanese Supplemental Fonts\"";
#else
// The Debian package whose faces keep the legacy metrics, as the build names it.
constexpr std::string_view kMetricFacesRemedy = "install the package " VELMORA_FONT_PACKAGE;
#endif

constexpr std::array<std::string_view, 2> kFixedLegacyNames = {kFixedGothic, "MS Gothic"};
constexpr std::array<std::string_view, 1> kFixedPreferred = {"Ume Gothic"};
// Other Japanese Gothic faces of the legacy faces' pitch: first BIZ UDGothic, which Windows 10 and
// later bring and which Debian 12 packages too (fonts-morisawa-bizud-gothic), then those of the
// free desktops.
constexpr std::array<std::string_view, 5> kFixedFallback = {
    "BIZ UDGothic", "IPAGothic", "VL Gothic", "TakaoGothic", "Noto Sans Mono CJK JP"};
constexpr std::array<std::string_view, 2> kProportionalLegacyNames = {kProportionalGothic,
                                                                      "MS PGothic"};
constexpr std::array<std::string_view, 2> kProportionalPreferred = {"Ume P Gothic",
                                                                    "Ume UI Gothic"};
constexpr std::array<std::string_view, 9> kProportionalFallback = {
    "Yu Gothic",  "Meiryo",       "BIZ UDPGothic", "Yu Gothic UI",    "IPAPGothic",
    "VL PGothic", "TakaoPGothic", "IPAexGothic",   "Noto Sans CJK JP"};

const SubstituteFaces kFixedFaces{kFixedGothic, kFixedLegacyNames, true, kFixedPreferred,
                                  kFixedFallback};
constexpr int kLegacyFaceCount = 2;
const SubstituteFaces kProportionalFaces{kProportionalGothic, kProportionalLegacyNames, false,
                                         kProportionalPreferred, kProportionalFallback};

// The stretch each legacy face is drawn with in this process.
int& StretchFor(std::string_view legacyFace) {
  static int fixed = 100;
  static int proportional = 100;
  return legacyFace == kFixedGothic ? fixed : proportional;
}

QFont ExactFont(const QString& family) {
  QFont font(family);
  font.setStyleStrategy(QFont::NoFontMerging);
  return font;
}

// The application's font database: a name is found under any name its face goes by, and the
// family that answers it is the one the database lists.
class InstalledFonts final : public FontCatalogue {
 public:
  [[nodiscard]] QString Listed(const QString& name) const override {
    if (!QFontDatabase::hasFamily(name)) return {};
    return QFontInfo(ExactFont(name)).family();
  }
  [[nodiscard]] bool IsFixedPitch(const QString& listed) const override {
    // Japanese fixed faces are dual-width, which fontconfig does not call fixed: measure.
    const QFontMetricsF metrics(ExactFont(listed));
    return metrics.horizontalAdvance(QLatin1Char('i')) ==
           metrics.horizontalAdvance(QLatin1Char('W'));
  }
  [[nodiscard]] QStringList JapaneseFamilies() const override {
    return QFontDatabase::families(QFontDatabase::Japanese);
  }
};

QString FirstListed(std::span<const std::string_view> names, const FontCatalogue& catalogue) {
  for (const std::string_view name : names) {
    if (QString listed = catalogue.Listed(ToQString(name)); !listed.isEmpty()) return listed;
  }
  return {};
}

// A digit's advance as a fraction of the em, measured large so that hinting does not round it.
double DigitAdvancePerEm(const QString& family) {
  constexpr int kMeasuringPixels = 120;
  QFont font = ExactFont(family);
  font.setPixelSize(kMeasuringPixels);
  return QFontMetricsF(font).horizontalAdvance(QLatin1Char('0')) / kMeasuringPixels;
}

// Chooses the substitute of one legacy face and tells the font system to use it under the legacy
// name. Adds to `fallbacks` a face that had to be narrowed; returns false when nothing was found.
bool Substitute(const SubstituteFaces& faces, const FontCatalogue& catalogue,
                QStringList& fallbacks) {
  const ChosenFace chosen = ChooseFace(faces, catalogue);
  int& stretch = StretchFor(faces.legacyFace);
  stretch = 100;
  if (chosen.family.isEmpty()) return false;
  if (chosen.family != ToQString(faces.legacyFace)) {
    QFont::insertSubstitution(ToQString(faces.legacyFace), chosen.family);
  }
  if (!chosen.drawnToTheLegacyMetrics) {
    stretch = HalfWidthStretch(DigitAdvancePerEm(chosen.family));
    fallbacks << QStringLiteral("%1 at %2 %").arg(chosen.family).arg(stretch);
  }
  return true;
}

// The one line that tells the user the window is not drawn in the faces it was laid out for, or
// nothing when it is: `fallbacks` are the narrowed faces shown instead ("IPAPGothic at 79 %"),
// `missing` the legacy faces for which no face of their pitch writes Japanese.
QString FallbackNotice(const QStringList& fallbacks, const QStringList& missing) {
  if (fallbacks.isEmpty() && missing.isEmpty()) return {};
  const QString remedy = ToQString(kMetricFacesRemedy);
  if (fallbacks.isEmpty() && missing.size() == kLegacyFaceCount) {
    return QStringLiteral(
               "velmora: no installed face writes Japanese, so the captions and buttons show as "
               "empty boxes; %1 for the window's Japanese Gothic faces\n")
        .arg(remedy);
  }
  QStringList parts;
  if (!fallbacks.isEmpty()) {
    parts << QStringLiteral("showing %1 instead").arg(fallbacks.join(QStringLiteral(" and ")));
  }
  for (const QString& face : missing)
    parts << QStringLiteral("no face of the pitch of %1").arg(face);
  return QStringLiteral(
             "velmora: the Japanese Gothic faces drawn to the window's metrics are missing, %1; "
             "%2 for the right ones\n")
      .arg(parts.join(QStringLiteral(", ")), remedy);
}

// A program's diagnostics go to standard error; a Windows GUI program usually has none, and its
// diagnostics go to the debugger's output (DebugView, a debugger) as well.
void Announce(const QString& notice) {
#ifdef Q_OS_WIN
  OutputDebugStringW(reinterpret_cast<const wchar_t*>(notice.utf16()));
  const HANDLE standardError = GetStdHandle(STD_ERROR_HANDLE);
  if (standardError == nullptr || standardError == INVALID_HANDLE_VALUE) return;
#endif
  std::fputs(notice.toLocal8Bit().constData(), stderr);
}

}  // namespace

const SubstituteFaces& FixedGothicSubstitutes() {
  return kFixedFaces;
}
const SubstituteFaces& ProportionalGothicSubstitutes() {
  return kProportionalFaces;
}

ChosenFace ChooseFace(const SubstituteFaces& faces, const FontCatalogue& catalogue) {
  if (QString family = FirstListed(faces.legacyNames, catalogue); !family.isEmpty()) {
    return {family, true};
  }
  if (QString family = FirstListed(faces.preferred, catalogue); !family.isEmpty()) {
    return {family, true};
  }
  if (QString family = FirstListed(faces.fallback, catalogue); !family.isEmpty()) {
    return {family, false};
  }
  // Any face that writes Japanese in the legacy face's pitch, a Gothic (sans-serif) one first.
  const auto isGothic = [](const QString& family) {
    return family.contains(QStringLiteral("Gothic"), Qt::CaseInsensitive) ||
           family.contains(QStringLiteral("Sans"), Qt::CaseInsensitive) ||
           family.contains(QStringLiteral("ゴシック"));
  };
  const QStringList japanese = catalogue.JapaneseFamilies();
  for (const bool gothicOnly : {true, false}) {
    for (const QString& family : japanese) {
      if (gothicOnly && !isGothic(family)) continue;
      if (catalogue.IsFixedPitch(family) == faces.fixedPitch) return {family, false};
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
  const InstalledFonts installed;
  QStringList fallbacks;
  QStringList missing;
  for (const SubstituteFaces* faces : {&kFixedFaces, &kProportionalFaces}) {
    if (!Substitute(*faces, installed, fallbacks)) missing << ToQString(faces->legacyFace);
  }
  const QString notice = FallbackNotice(fallbacks, missing);
  if (!notice.isEmpty()) Announce(notice);
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
  font.setStretch(StretchFor(entry.face));
  return font;
}

}  // namespace velmora::ui
