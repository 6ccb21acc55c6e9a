#pragma once

// The 21 named text fields that hold every input and result of the calculator. There is no
// separate numeric model: a step that needs an earlier result reads that field's text back, so
// what the window shows is exactly what the next step computes with.

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velmora {

enum class FieldId : int {
  Text1 = 1,  // main reflector diameter D, mm
  Text2,      // main reflector F/D
  Text3,      // sub-reflector diameter d, mm
  Text4,      // F/D the feed is designed for
  Text5,      // focal length F, mm
  Text6,      // aperture angle 2Θ of the main reflector, degrees
  Text7,      // radiation angle 2Θ of the feed, degrees
  Text8,      // QF
  Text9,      // F'Q
  Text10,     // OF, the hyperbola's c
  Text11,     // F'P
  Text12,     // FP
  Text13,     // OA, the hyperbola's a
  Text14,     // b^2
  Text15,     // profile table of the sub-reflector
  Text16,     // depth of the main reflector, mm
  Text17,     // START radius of the profile
  Text18,     // STOP radius
  Text19,     // STEP
  Text20,     // B: feed point to sub-reflector vertex, a + c
  Text21,     // A: main reflector vertex to feed point
};

inline constexpr int kFieldCount = 21;

// Field number 1..21 for tables and loops, and back: a number of no field is refused.
constexpr int FieldNumber(FieldId id) {
  return static_cast<int>(id);
}
constexpr FieldId FieldAt(int number) {
  if (number < 1 || number > kFieldCount) throw std::out_of_range("no field has that number");
  return static_cast<FieldId>(number);
}

// The geometry results Text8 to Text14 keep only their first 10 characters, whoever writes them.
inline constexpr std::size_t kShortFieldLimit = 10;
// The character limit of a field, or nothing for a field without one.
std::optional<std::size_t> FieldLimit(FieldId id);

class FieldSet {
 public:
  // Told of every write by the calculator, after the field holds its new text: for tests and
  // tools that follow the order of the writes. The window reads the change marks instead.
  using Observer = std::function<void(FieldId, const std::string&)>;

  // The field's text, valid until the field is next written (a write replaces the string).
  [[nodiscard]] const std::string& Text(FieldId id) const { return *slot(id).text; }
  // The same text as a string that is never changed: a write gives the field a new string, so a
  // holder of this one (the window's view of the table) reads it unchanged as long as it holds it.
  [[nodiscard]] const std::shared_ptr<const std::string>& SharedText(FieldId id) const {
    return slot(id).text;
  }

  // The text as a number (ToNumber); throws CalcError when it is not one. The conversion of an
  // unchanged text is remembered, so a loop that reads the same field on every pass stays cheap.
  [[nodiscard]] double Number(FieldId id) const;

  // A write by the calculator: the field's limit applies, the field is marked changed, then the
  // observer is told.
  void Write(FieldId id, std::string_view text);
  // The same with a string made already (the profile table, shared with the window before the
  // write): the field holds that very string unless its limit cuts it.
  void Write(FieldId id, std::shared_ptr<const std::string> text);

  // Whether the calculator wrote the field since this was last asked; asking clears the mark. A
  // handler's caller shows each marked field once the handler returns.
  bool TakeChange(FieldId id);

  // What the user typed, as the window hands it over: the field's limit applies, and it is neither
  // marked nor told (the window already shows it). Returns the text the field now holds, which the
  // window shows in place of a longer one.
  const std::string& StoreUserText(FieldId id, std::string_view text);

  void SetObserver(Observer observer) { observer_ = std::move(observer); }

 private:
  struct Slot {
    std::shared_ptr<const std::string> text = EmptyText();  // never null
    mutable std::optional<double> number;                   // ToNumber(text), once asked for
    bool changed = false;  // written by the calculator, not yet shown
  };
  [[nodiscard]] const Slot& slot(FieldId id) const {
    return slots_[static_cast<std::size_t>(FieldNumber(id) - 1)];
  }
  Slot& slot(FieldId id) { return slots_[static_cast<std::size_t>(FieldNumber(id) - 1)]; }
  static const std::shared_ptr<const std::string>& EmptyText();
  void Store(FieldId id, std::string_view text);
  void Store(FieldId id, std::shared_ptr<const std::string> text);
  void Written(FieldId id);

  std::array<Slot, kFieldCount> slots_{};
  Observer observer_;
};

}  // namespace velmora
