#pragma once

// The window Form1 as data: every field, caption and button with its text, box in twips, font,
// colours and tab position, and every line of the sketch. The window is built from these tables
// and nothing else, so a change of layout is a change of one row.

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "field_set.h"

namespace velmora::ui {

// Layout unit: 1440 twips to the inch.
struct TwipsBox {
  int left;
  int top;
  int width;
  int height;
};

struct Rgb {
  int red;
  int green;
  int blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kLightYellow{255, 255, 192};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kBlue{0, 0, 192};
inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kGray{128, 128, 128};

// The seven font settings; Font1 is the window's own.
enum class FontId { Font1, Font2, Font3, Font4, Font5, Font6, Font7 };

struct FontEntry {
  std::string_view face;
  bool fixedPitch;
  double pointSize;  // 10.2 and 7.8 are real sizes, not 10 and 8
  bool bold;
};

// The two Japanese Gothic faces the legacy program asks for by name.
inline constexpr std::string_view kFixedGothic = "ＭＳ ゴシック";
inline constexpr std::string_view kProportionalGothic = "ＭＳ Ｐゴシック";

const FontEntry& Font(FontId id);

enum class ElementKind { Field, Caption, Button };

// What an element's event runs: a button's click, or a field's losing the focus to another
// control of the window.
enum class Command { None, Calculate, Exit, Clear, FollowSubDiameter };

struct ElementEntry {
  std::string_view name;  // Text1, Label21, Command1, ...
  ElementKind kind;
  std::string_view text = {};  // a caption's or button's text; empty for a field
  TwipsBox box;
  FontId font;
  std::optional<Rgb> background;  // nothing: the system's colour for the kind of element
  std::optional<Rgb> foreground;
  int tabIndex;
  int field = 0;  // 1..kFieldCount for Text1..Text21
  Command command = Command::None;
  std::string_view caption = {};     // a field: the name of the caption that names it
  std::string_view spokenName = {};  // a field whose caption alone says too little when read aloud
  // A field's own ways, beyond holding a text.
  bool readOnly = false;                // selected and copied, never typed into
  bool multiLine = false;               // rows of a table, with a vertical scroll bar
  Command onLostFocus = Command::None;  // run when the focus moves to another control
};

struct LineEntry {
  std::string_view name;
  int x1;
  int y1;
  int x2;
  int y2;
  bool dotted;
};

inline constexpr std::string_view kWindowTitle = "カセグレン副反射鏡 計算プログラム";
inline constexpr int kClientWidthTwips = 7812;
inline constexpr int kClientHeightTwips = 6660;
inline constexpr FontId kWindowFont = FontId::Font1;

// Fields, captions and buttons: 56 elements. Lines: 18.
std::span<const ElementEntry> Elements();
std::span<const LineEntry> Lines();

// The row for an element's name, or nullptr.
const ElementEntry* FindElement(std::string_view name);

}  // namespace velmora::ui
