#include "form_layout.h"

#include <algorithm>

#include "velmora_version.h"

namespace velmora::ui {
namespace {

constexpr std::array<FontEntry, 7> kFonts = {{
    // Font1: the window's font
    {.face = kFixedGothic, .fixedPitch = true, .pointSize = 9.0, .bold = false},
    // Font2
    {.face = kProportionalGothic, .fixedPitch = false, .pointSize = 9.0, .bold = false},
    // Font3
    {.face = kProportionalGothic, .fixedPitch = false, .pointSize = 9.0, .bold = true},
    // Font4: the design inputs
    {.face = kProportionalGothic, .fixedPitch = false, .pointSize = 10.2, .bold = true},
    // Font5: the profile range
    {.face = kProportionalGothic, .fixedPitch = false, .pointSize = 10.2, .bold = false},
    // Font6: the placement results A and B
    {.face = kFixedGothic, .fixedPitch = true, .pointSize = 10.2, .bold = true},
    // Font7: the sketch's small captions
    {.face = kFixedGothic, .fixedPitch = true, .pointSize = 7.8, .bold = false},
}};

using enum ElementKind;
using enum FontId;
constexpr std::optional<Rgb> kSystem = std::nullopt;

// clang-format off
constexpr std::array<ElementEntry, 56> kElements = {{
  // Design inputs: each caption above its field, 240 twips to the left.
  {.name = "Label1", .kind = Caption, .text = "主反射鏡直径 mm",
   .box = {.left = 360, .top = 240, .width = 1572, .height = 252},
   .font = Font3, .background = kWhite, .foreground = kSystem, .tabIndex = 0},
  {.name = "Text1", .kind = Field,
   .box = {.left = 600, .top = 480, .width = 972, .height = 264},
   .font = Font4, .background = kLightYellow, .foreground = kSystem, .tabIndex = 1,
   .field = 1, .caption = "Label1"},
  {.name = "Label2", .kind = Caption, .text = "主反射鏡　F/D",
   .box = {.left = 360, .top = 840, .width = 1452, .height = 252},
   .font = Font3, .background = kWhite, .foreground = kSystem, .tabIndex = 9},
  {.name = "Text2", .kind = Field,
   .box = {.left = 600, .top = 1080, .width = 972, .height = 264},
   .font = Font4, .background = kLightYellow, .foreground = kSystem, .tabIndex = 2,
   .field = 2, .caption = "Label2"},
  {.name = "Label3", .kind = Caption, .text = "副反射鏡直径 mm",
   .box = {.left = 2160, .top = 240, .width = 1812, .height = 252},
   .font = Font3, .background = kWhite, .foreground = kSystem, .tabIndex = 10},
  {.name = "Text3", .kind = Field,
   .box = {.left = 2400, .top = 480, .width = 972, .height = 264},
   .font = Font4, .background = kLightYellow, .foreground = kSystem, .tabIndex = 3,
   .field = 3, .caption = "Label3", .onLostFocus = Command::FollowSubDiameter},
  {.name = "Label4", .kind = Caption, .text = "輻射器　F/D",
   .box = {.left = 2160, .top = 840, .width = 1212, .height = 252},
   .font = Font3, .background = kWhite, .foreground = kSystem, .tabIndex = 11},
  {.name = "Text4", .kind = Field,
   .box = {.left = 2400, .top = 1080, .width = 972, .height = 264},
   .font = Font4, .background = kLightYellow, .foreground = kSystem, .tabIndex = 4,
   .field = 4, .caption = "Label4"},
  // Profile range: heading above, caption left of each field.
  {.name = "Label31", .kind = Caption, .text = "Y 計算間隔 (mm)",
   .box = {.left = 6240, .top = 360, .width = 1452, .height = 252},
   .font = Font1, .background = kSystem, .foreground = kSystem, .tabIndex = 53},
  {.name = "Label15", .kind = Caption, .text = "START",
   .box = {.left = 6360, .top = 720, .width = 732, .height = 252},
   .font = Font2, .background = kSystem, .foreground = kSystem, .tabIndex = 34},
  {.name = "Text17", .kind = Field,
   .box = {.left = 6960, .top = 720, .width = 612, .height = 264},
   .font = Font5, .background = kLightYellow, .foreground = kSystem, .tabIndex = 5,
   .field = 17, .caption = "Label15"},
  {.name = "Label16", .kind = Caption, .text = "STOP",
   .box = {.left = 6360, .top = 1200, .width = 852, .height = 252},
   .font = Font2, .background = kSystem, .foreground = kSystem, .tabIndex = 35},
  {.name = "Text18", .kind = Field,
   .box = {.left = 6960, .top = 1200, .width = 612, .height = 264},
   .font = Font5, .background = kLightYellow, .foreground = kSystem, .tabIndex = 6,
   .field = 18, .caption = "Label16"},
  {.name = "Label17", .kind = Caption, .text = "STEP",
   .box = {.left = 6360, .top = 1680, .width = 852, .height = 252},
   .font = Font2, .background = kSystem, .foreground = kSystem, .tabIndex = 36},
  {.name = "Text19", .kind = Field,
   .box = {.left = 6960, .top = 1680, .width = 612, .height = 264},
   .font = Font5, .background = kLightYellow, .foreground = kSystem, .tabIndex = 7,
   .field = 19, .caption = "Label17"},
  // Main results under the inputs.
  {.name = "Label5", .kind = Caption, .text = "焦点距離   mm",
   .box = {.left = 360, .top = 1680, .width = 1212, .height = 252},
   .font = Font2, .background = kWhite, .foreground = kSystem, .tabIndex = 13},
  {.name = "Text5", .kind = Field,
   .box = {.left = 600, .top = 1920, .width = 972, .height = 264},
   .font = Font2, .background = kWhite, .foreground = kBlack, .tabIndex = 12,
   .field = 5, .caption = "Label5"},
  {.name = "Label6", .kind = Caption, .text = "開口角２Θ deg",
   .box = {.left = 360, .top = 2280, .width = 1212, .height = 252},
   .font = Font2, .background = kWhite, .foreground = kSystem, .tabIndex = 15},
  {.name = "Text6", .kind = Field,
   .box = {.left = 600, .top = 2520, .width = 972, .height = 264},
   .font = Font2, .background = kWhite, .foreground = kBlack, .tabIndex = 14,
   .field = 6, .caption = "Label6"},
  {.name = "Label7", .kind = Caption, .text = "輻射角２Θ deg",
   .box = {.left = 2160, .top = 1680, .width = 1212, .height = 252},
   .font = Font2, .background = kWhite, .foreground = kSystem, .tabIndex = 17},
  {.name = "Text7", .kind = Field,
   .box = {.left = 2400, .top = 1920, .width = 972, .height = 264},
   .font = Font2, .background = kWhite, .foreground = kBlack, .tabIndex = 16,
   .field = 7, .caption = "Label7", .readOnly = true},
  {.name = "Label20", .kind = Caption, .text = "DISH深さ 　mm",
   .box = {.left = 360, .top = 2880, .width = 1212, .height = 252},
   .font = Font2, .background = kWhite, .foreground = kSystem, .tabIndex = 41},
  {.name = "Text16", .kind = Field,
   .box = {.left = 600, .top = 3120, .width = 972, .height = 264},
   .font = Font2, .background = kSystem, .foreground = kBlack, .tabIndex = 40,
   .field = 16, .caption = "Label20"},
  // Feed placement A and B.
  {.name = "Label24", .kind = Caption, .text = "底面からFEED点",
   .box = {.left = 2040, .top = 2280, .width = 1932, .height = 252},
   .font = Font1, .background = kSystem, .foreground = kSystem, .tabIndex = 45},
  {.name = "Label29", .kind = Caption, .text = "A:",
   .box = {.left = 2160, .top = 2520, .width = 252, .height = 252},
   .font = Font1, .background = kSystem, .foreground = kSystem, .tabIndex = 51},
  {.name = "Text21", .kind = Field,
   .box = {.left = 2400, .top = 2520, .width = 972, .height = 264},
   .font = Font6, .background = kSystem, .foreground = kBlue, .tabIndex = 44,
   .field = 21, .caption = "Label24"},
  {.name = "Label23", .kind = Caption, .text = "FEED点から副反射鏡",
   .box = {.left = 2040, .top = 2880, .width = 2052, .height = 252},
   .font = Font1, .background = kSystem, .foreground = kSystem, .tabIndex = 43},
  {.name = "Label30", .kind = Caption, .text = "B:",
   .box = {.left = 2160, .top = 3120, .width = 252, .height = 252},
   .font = Font1, .background = kSystem, .foreground = kSystem, .tabIndex = 52},
  {.name = "Text20", .kind = Field,
   .box = {.left = 2400, .top = 3120, .width = 972, .height = 264},
   .font = Font6, .background = kSystem, .foreground = kBlue, .tabIndex = 42,
   .field = 20, .caption = "Label23"},
  // Geometry results: caption at the row's left edge, the field drawn over its right part.
  {.name = "Label8", .kind = Caption, .text = "QF",
   .box = {.left = 360, .top = 3840, .width = 1212, .height = 252},
   .font = Font2, .background = kSystem, .foreground = kGray, .tabIndex = 19},
  {.name = "Text8", .kind = Field,
   .box = {.left = 960, .top = 3840, .width = 972, .height = 264},
   .font = Font2, .background = kSystem, .foreground = kGray, .tabIndex = 18,
   .field = 8, .caption = "Label8"},
  {.name = "Label9", .kind = Caption, .text = "F'Q",
   .box = {.left = 360, .top = 4200, .width = 1212, .height = 252},
   .font = Font2, .background = kSystem, .foreground = kGray, .tabIndex = 21},
  {.name = "Text9", .kind = Field,
   .box = {.left = 960, .top = 4200, .width = 972, .height = 264},
   .font = Font2, .background = kSystem, .foreground = kGray, .tabIndex = 20,
   .field = 9, .caption = "Label9"},
  {.name = "Label10", .kind = Caption, .text = "OF (c)",
   .box = {.left = 360, .top = 4560, .width = 1212, .height = 252},
   .font = Font2, .background = kSystem, .foreground = kGray, .tabIndex = 23},
  {.name = "Text10", .kind = Field,
   .box = {.left = 960, .top = 4560, .width = 972, .height = 264},
   .font = Font2, .background = kSystem, .foreground = kGray, .tabIndex = 22,
   .field = 10, .caption = "Label10"},
  {.name = "Label11", .kind = Caption, .text = "F'P",
   .box = {.left = 360, .top = 4920, .width = 1212, .height = 252},
   .font = Font2, .background = kSystem, .foreground = kGray, .tabIndex = 25},
  {.name = "Text11", .kind = Field,
   .box = {.left = 960, .top = 4920, .width = 972, .height = 264},
   .font = Font2, .background = kSystem, .foreground = kGray, .tabIndex = 24,
   .field = 11, .caption = "Label11"},
  {.name = "Label12", .kind = Caption, .text = "FP",
   .box = {.left = 360, .top = 5280, .width = 1092, .height = 252},
   .font = Font2, .background = kSystem, .foreground = kGray, .tabIndex = 27},
  {.name = "Text12", .kind = Field,
   .box = {.left = 960, .top = 5280, .width = 972, .height = 264},
   .font = Font2, .background = kSystem, .foreground = kGray, .tabIndex = 26,
   .field = 12, .caption = "Label12"},
  {.name = "Label13", .kind = Caption, .text = "OA (a)",
   .box = {.left = 360, .top = 5640, .width = 1092, .height = 252},
   .font = Font2, .background = kSystem, .foreground = kGray, .tabIndex = 29},
  {.name = "Text13", .kind = Field,
   .box = {.left = 960, .top = 5640, .width = 972, .height = 264},
   .font = Font2, .background = kSystem, .foreground = kGray, .tabIndex = 28,
   .field = 13, .caption = "Label13"},
  {.name = "Label14", .kind = Caption, .text = "b^2",
   .box = {.left = 360, .top = 6000, .width = 1092, .height = 252},
   .font = Font2, .background = kSystem, .foreground = kGray, .tabIndex = 30},
  {.name = "Text14", .kind = Field,
   .box = {.left = 960, .top = 6000, .width = 972, .height = 264},
   .font = Font2, .background = kSystem, .foreground = kGray, .tabIndex = 31,
   .field = 14, .caption = "Label14"},
  // Profile table with its column header.
  {.name = "Label21", .kind = Caption, .text = "Y            X",
   .box = {.left = 4200, .top = 120, .width = 1212, .height = 252},
   .font = Font2, .background = kSystem, .foreground = kSystem, .tabIndex = 39},
  {.name = "Text15", .kind = Field,
   .box = {.left = 4200, .top = 360, .width = 1812, .height = 5772},
   .font = Font3, .background = kSystem, .foreground = kNavy, .tabIndex = 32,
   .field = 15, .caption = "Label21", .spokenName = "副反射鏡プロファイル Y X",
   .readOnly = true, .multiLine = true},
  // Commands.
  {.name = "Command1", .kind = Button, .text = "計 算",
   .box = {.left = 6360, .top = 2160, .width = 1212, .height = 1572},
   .font = Font2, .background = kSystem, .foreground = kSystem, .tabIndex = 8, .command = Command::Calculate},
  {.name = "Command3", .kind = Button, .text = "クリア",
   .box = {.left = 6360, .top = 3840, .width = 1212, .height = 612},
   .font = Font1, .background = kSystem, .foreground = kSystem, .tabIndex = 54, .command = Command::Clear},
  {.name = "Command2", .kind = Button, .text = "終 了",
   .box = {.left = 6360, .top = 4560, .width = 1212, .height = 1572},
   .font = Font2, .background = kSystem, .foreground = kSystem, .tabIndex = 33, .command = Command::Exit},
  // Version caption along the bottom edge.
  {.name = "Label32", .kind = Caption, .text = version::kVersionCaption,
   .box = {.left = 4680, .top = 6360, .width = 3132, .height = 252},
   .font = Font1, .background = kSystem, .foreground = kGray, .tabIndex = 55},
  // Captions of the sketch.
  {.name = "Label25", .kind = Caption, .text = "主反射鏡",
   .box = {.left = 2280, .top = 3840, .width = 972, .height = 252},
   .font = Font7, .background = kSystem, .foreground = kSystem, .tabIndex = 47},
  {.name = "Label26", .kind = Caption, .text = "副反射鏡",
   .box = {.left = 3240, .top = 4560, .width = 852, .height = 372},
   .font = Font7, .background = kSystem, .foreground = kSystem, .tabIndex = 48},
  {.name = "Label22", .kind = Caption, .text = "FEED",
   .box = {.left = 2520, .top = 5376, .width = 372, .height = 132},
   .font = Font7, .background = kSystem, .foreground = kSystem, .tabIndex = 46},
  {.name = "Label18", .kind = Caption, .text = "→X",
   .box = {.left = 3240, .top = 5640, .width = 492, .height = 252},
   .font = Font2, .background = kSystem, .foreground = kSystem, .tabIndex = 37},
  {.name = "Label19", .kind = Caption, .text = "↑Y",
   .box = {.left = 3000, .top = 5040, .width = 132, .height = 492},
   .font = Font2, .background = kSystem, .foreground = kSystem, .tabIndex = 38},
  {.name = "Label27", .kind = Caption, .text = "A",
   .box = {.left = 2640, .top = 6000, .width = 252, .height = 252},
   .font = Font1, .background = kSystem, .foreground = kSystem, .tabIndex = 49},
  {.name = "Label28", .kind = Caption, .text = "B",
   .box = {.left = 2976, .top = 6000, .width = 252, .height = 252},
   .font = Font1, .background = kSystem, .foreground = kSystem, .tabIndex = 50},
}};

// The antenna in cross-section, axis horizontal at y = 5640: main reflector opening to the right,
// feed horn near its vertex, sub-reflector further right, and the dimensions A and B below.
constexpr std::array<LineEntry, 18> kLines = {{
  // Main reflector, up from its vertex
  {.name = "Line1", .x1 = 2400, .y1 = 5640, .x2 = 2400, .y2 = 5280, .dotted = false},
  {.name = "Line2", .x1 = 2400, .y1 = 5280, .x2 = 2520, .y2 = 4680, .dotted = false},
  {.name = "Line3", .x1 = 2520, .y1 = 4680, .x2 = 2760, .y2 = 4200, .dotted = false},
  // Up to its rim
  {.name = "Line4", .x1 = 2760, .y1 = 4200, .x2 = 3240, .y2 = 3720, .dotted = false},
  // Tick at the rim
  {.name = "Line18", .x1 = 3240, .y1 = 3720, .x2 = 3240, .y2 = 3840, .dotted = false},
  // Sub-reflector, from its vertex
  {.name = "Line7", .x1 = 3120, .y1 = 5640, .x2 = 3240, .y2 = 5160, .dotted = false},
  // Up to its rim
  {.name = "Line8", .x1 = 3240, .y1 = 5160, .x2 = 3480, .y2 = 4800, .dotted = false},
  // Its back, down to the axis
  {.name = "Line9", .x1 = 3480, .y1 = 4800, .x2 = 3480, .y2 = 5640, .dotted = false},
  // Feed horn mouth
  {.name = "Line10", .x1 = 2880, .y1 = 5760, .x2 = 2880, .y2 = 5520, .dotted = false},
  // Horn walls
  {.name = "Line11", .x1 = 2880, .y1 = 5520, .x2 = 2760, .y2 = 5520, .dotted = false},
  {.name = "Line14", .x1 = 2760, .y1 = 5520, .x2 = 2640, .y2 = 5520, .dotted = false},
  {.name = "Line12", .x1 = 2880, .y1 = 5760, .x2 = 2760, .y2 = 5760, .dotted = false},
  {.name = "Line13", .x1 = 2760, .y1 = 5760, .x2 = 2640, .y2 = 5760, .dotted = false},
  // Antenna axis X
  {.name = "Line5", .x1 = 2400, .y1 = 5640, .x2 = 3840, .y2 = 5640, .dotted = true},
  // Y through the sub-reflector's vertex
  {.name = "Line6", .x1 = 3120, .y1 = 5760, .x2 = 3120, .y2 = 4440, .dotted = true},
  // Extension lines of A and B
  {.name = "Line15", .x1 = 2400, .y1 = 5760, .x2 = 2400, .y2 = 6240, .dotted = true},
  {.name = "Line16", .x1 = 2880, .y1 = 5760, .x2 = 2880, .y2 = 6240, .dotted = true},
  {.name = "Line17", .x1 = 3120, .y1 = 5760, .x2 = 3120, .y2 = 6240, .dotted = true},
}};
// clang-format on

}  // namespace

const FontEntry& Font(FontId id) {
  return kFonts[static_cast<std::size_t>(id)];
}

std::span<const ElementEntry> Elements() {
  return kElements;
}
std::span<const LineEntry> Lines() {
  return kLines;
}

const ElementEntry* FindElement(std::string_view name) {
  const auto it = std::find_if(kElements.begin(), kElements.end(),
                               [name](const ElementEntry& e) { return e.name == name; });
  return it == kElements.end() ? nullptr : &*it;
}

}  // namespace velmora::ui
