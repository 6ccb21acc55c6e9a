#include "form_layout.h"

#include <algorithm>

#include "velmora_version.h"

namespace velmora::ui {
namespace {

constexpr std::array<FontEntry, 7> kFonts = {{
    {kFixedGothic, true, 9.0, false},           // Font1: the window's font
    {kProportionalGothic, false, 9.0, false},   // Font2
    {kProportionalGothic, false, 9.0, true},    // Font3
    {kProportionalGothic, false, 10.2, true},   // Font4: the design inputs
    {kProportionalGothic, false, 10.2, false},  // Font5: the profile range
    {kFixedGothic, true, 10.2, true},           // Font6: the placement results A and B
    {kFixedGothic, true, 7.8, false},           // Font7: the sketch's small captions
}};

using enum ElementKind;
using enum FontId;
constexpr std::optional<Rgb> kSystem = std::nullopt;

// clang-format off
constexpr std::array<ElementEntry, 56> kElements = {{
  // Design inputs: each caption above its field, 240 twips to the left.
  {"Label1",  Caption, "主反射鏡直径 mm", {360, 240, 1572, 252}, Font3, kWhite, kSystem, 0},
  {"Text1",   Field,   "",               {600, 480, 972, 264},   Font4, kLightYellow, kSystem, 1, 1},
  {"Label2",  Caption, "主反射鏡　F/D",   {360, 840, 1452, 252},  Font3, kWhite, kSystem, 9},
  {"Text2",   Field,   "",               {600, 1080, 972, 264},  Font4, kLightYellow, kSystem, 2, 2},
  {"Label3",  Caption, "副反射鏡直径 mm", {2160, 240, 1812, 252}, Font3, kWhite, kSystem, 10},
  {"Text3",   Field,   "",               {2400, 480, 972, 264},  Font4, kLightYellow, kSystem, 3, 3},
  {"Label4",  Caption, "輻射器　F/D",     {2160, 840, 1212, 252}, Font3, kWhite, kSystem, 11},
  {"Text4",   Field,   "",               {2400, 1080, 972, 264}, Font4, kLightYellow, kSystem, 4, 4},
  // Profile range: heading above, caption left of each field.
  {"Label31", Caption, "Y 計算間隔 (mm)", {6240, 360, 1452, 252}, Font1, kSystem, kSystem, 53},
  {"Label15", Caption, "START",          {6360, 720, 732, 252},  Font2, kSystem, kSystem, 34},
  {"Text17",  Field,   "",               {6960, 720, 612, 264},  Font5, kLightYellow, kSystem, 5, 17},
  {"Label16", Caption, "STOP",           {6360, 1200, 852, 252}, Font2, kSystem, kSystem, 35},
  {"Text18",  Field,   "",               {6960, 1200, 612, 264}, Font5, kLightYellow, kSystem, 6, 18},
  {"Label17", Caption, "STEP",           {6360, 1680, 852, 252}, Font2, kSystem, kSystem, 36},
  {"Text19",  Field,   "",               {6960, 1680, 612, 264}, Font5, kLightYellow, kSystem, 7, 19},
  // Main results under the inputs.
  {"Label5",  Caption, "焦点距離   mm",    {360, 1680, 1212, 252}, Font2, kWhite, kSystem, 13},
  {"Text5",   Field,   "",               {600, 1920, 972, 264},  Font2, kWhite, kBlack, 12, 5},
  {"Label6",  Caption, "開口角２Θ deg",   {360, 2280, 1212, 252}, Font2, kWhite, kSystem, 15},
  {"Text6",   Field,   "",               {600, 2520, 972, 264},  Font2, kWhite, kBlack, 14, 6},
  {"Label7",  Caption, "輻射角２Θ deg",   {2160, 1680, 1212, 252}, Font2, kWhite, kSystem, 17},
  {"Text7",   Field,   "",               {2400, 1920, 972, 264}, Font2, kWhite, kBlack, 16, 7},
  {"Label20", Caption, "DISH深さ 　mm",   {360, 2880, 1212, 252}, Font2, kWhite, kSystem, 41},
  {"Text16",  Field,   "",               {600, 3120, 972, 264},  Font2, kSystem, kBlack, 40, 16},
  // Feed placement A and B.
  {"Label24", Caption, "底面からFEED点",    {2040, 2280, 1932, 252}, Font1, kSystem, kSystem, 45},
  {"Label29", Caption, "A:",               {2160, 2520, 252, 252},  Font1, kSystem, kSystem, 51},
  {"Text21",  Field,   "",                 {2400, 2520, 972, 264},  Font6, kSystem, kBlue, 44, 21},
  {"Label23", Caption, "FEED点から副反射鏡", {2040, 2880, 2052, 252}, Font1, kSystem, kSystem, 43},
  {"Label30", Caption, "B:",               {2160, 3120, 252, 252},  Font1, kSystem, kSystem, 52},
  {"Text20",  Field,   "",                 {2400, 3120, 972, 264},  Font6, kSystem, kBlue, 42, 20},
  // Geometry results: caption at the row's left edge, the field drawn over its right part.
  {"Label8",  Caption, "QF",     {360, 3840, 1212, 252}, Font2, kSystem, kGray, 19},
  {"Text8",   Field,   "",       {960, 3840, 972, 264},  Font2, kSystem, kGray, 18, 8},
  {"Label9",  Caption, "F'Q",    {360, 4200, 1212, 252}, Font2, kSystem, kGray, 21},
  {"Text9",   Field,   "",       {960, 4200, 972, 264},  Font2, kSystem, kGray, 20, 9},
  {"Label10", Caption, "OF (c)", {360, 4560, 1212, 252}, Font2, kSystem, kGray, 23},
  {"Text10",  Field,   "",       {960, 4560, 972, 264},  Font2, kSystem, kGray, 22, 10},
  {"Label11", Caption, "F'P",    {360, 4920, 1212, 252}, Font2, kSystem, kGray, 25},
  {"Text11",  Field,   "",       {960, 4920, 972, 264},  Font2, kSystem, kGray, 24, 11},
  {"Label12", Caption, "FP",     {360, 5280, 1092, 252}, Font2, kSystem, kGray, 27},
  {"Text12",  Field,   "",       {960, 5280, 972, 264},  Font2, kSystem, kGray, 26, 12},
  {"Label13", Caption, "OA (a)", {360, 5640, 1092, 252}, Font2, kSystem, kGray, 29},
  {"Text13",  Field,   "",       {960, 5640, 972, 264},  Font2, kSystem, kGray, 28, 13},
  {"Label14", Caption, "b^2",    {360, 6000, 1092, 252}, Font2, kSystem, kGray, 30},
  {"Text14",  Field,   "",       {960, 6000, 972, 264},  Font2, kSystem, kGray, 31, 14},
  // Profile table with its column header.
  {"Label21", Caption, "Y            X", {4200, 120, 1212, 252}, Font2, kSystem, kSystem, 39},
  {"Text15",  Field,   "",               {4200, 360, 1812, 5772}, Font3, kSystem, kNavy, 32, 15},
  // Commands.
  {"Command1", Button, "計 算",  {6360, 2160, 1212, 1572}, Font2, kSystem, kSystem, 8, 0, Command::Calculate},
  {"Command3", Button, "クリア", {6360, 3840, 1212, 612},  Font1, kSystem, kSystem, 54, 0, Command::Clear},
  {"Command2", Button, "終 了",  {6360, 4560, 1212, 1572}, Font2, kSystem, kSystem, 33, 0, Command::Exit},
  // Version caption along the bottom edge.
  {"Label32", Caption, version::kVersionCaption, {4680, 6360, 3132, 252}, Font1, kSystem, kGray, 55},
  // Captions of the sketch.
  {"Label25", Caption, "主反射鏡", {2280, 3840, 972, 252}, Font7, kSystem, kSystem, 47},
  {"Label26", Caption, "副反射鏡", {3240, 4560, 852, 372}, Font7, kSystem, kSystem, 48},
  {"Label22", Caption, "FEED",    {2520, 5376, 372, 132}, Font7, kSystem, kSystem, 46},
  {"Label18", Caption, "→X",      {3240, 5640, 492, 252}, Font2, kSystem, kSystem, 37},
  {"Label19", Caption, "↑Y",      {3000, 5040, 132, 492}, Font2, kSystem, kSystem, 38},
  {"Label27", Caption, "A",       {2640, 6000, 252, 252}, Font1, kSystem, kSystem, 49},
  {"Label28", Caption, "B",       {2976, 6000, 252, 252}, Font1, kSystem, kSystem, 50},
}};

// The antenna in cross-section, axis horizontal at y = 5640: main reflector opening to the right,
// feed horn near its vertex, sub-reflector further right, and the dimensions A and B below.
constexpr std::array<LineEntry, 18> kLines = {{
  {"Line1",  2400, 5640, 2400, 5280, false},  // main reflector, up from its vertex
  {"Line2",  2400, 5280, 2520, 4680, false},
  {"Line3",  2520, 4680, 2760, 4200, false},
  {"Line4",  2760, 4200, 3240, 3720, false},  // up to its rim
  {"Line18", 3240, 3720, 3240, 3840, false},  // tick at the rim
  {"Line7",  3120, 5640, 3240, 5160, false},  // sub-reflector, from its vertex
  {"Line8",  3240, 5160, 3480, 4800, false},  // up to its rim
  {"Line9",  3480, 4800, 3480, 5640, false},  // its back, down to the axis
  {"Line10", 2880, 5760, 2880, 5520, false},  // feed horn mouth
  {"Line11", 2880, 5520, 2760, 5520, false},  // horn walls
  {"Line14", 2760, 5520, 2640, 5520, false},
  {"Line12", 2880, 5760, 2760, 5760, false},
  {"Line13", 2760, 5760, 2640, 5760, false},
  {"Line5",  2400, 5640, 3840, 5640, true},   // antenna axis X
  {"Line6",  3120, 5760, 3120, 4440, true},   // Y through the sub-reflector's vertex
  {"Line15", 2400, 5760, 2400, 6240, true},   // extension lines of A and B
  {"Line16", 2880, 5760, 2880, 6240, true},
  {"Line17", 3120, 5760, 3120, 6240, true},
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
