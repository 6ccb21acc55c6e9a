// The whole calculation as the window drives it: Form_Load, the seven inputs typed, the focus
// leaving the sub-reflector diameter, then Calculate, sometimes twice or around Clear.
//
// Input: lines. Lines 1 to 7 are typed into Text1, Text2, Text3, Text4, Text17, Text18 and
// Text19; a missing line leaves the start-up default. The first byte of line 8 picks the sequence:
//   bits 0-1  0 calculate once; 1 calculate twice; 2 calculate, Clear, calculate the cleared
//             form, retype (lines 9 to 15 replace lines 1 to 7 where present), calculate;
//             3 Clear before typing, then calculate
//   bit 2     STOP is typed after the diameter lost focus, so the typed STOP is kept
//   bit 3     allow a profile table of more than kSmallTableRows rows
// A table of a million rows takes seconds under the sanitizers, and the mutants of a long-table
// input mostly stay long. So a long table runs only with bit 3 set and then only for one input in
// kLongTableShare (by a hash of the input): most executions stay fast, none of the range is
// unreachable. Counting the rows, and so refusing a too-long table, is cheap and always runs.

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc_error.h"
#include "calculator.h"
#include "character_count.h"
#include "decimal_reference.h"
#include "field_set.h"
#include "fuzz_support.h"
#include "number_text.h"
#include "planned_rows.h"
#include "profile.h"

namespace {

using velmora::Calculator;
using velmora::FieldId;
using velmora::FieldNumber;
using velmora::fuzz::Fail;
using velmora::fuzz::Require;

constexpr std::size_t kSmallTableRows = 2'000;
constexpr std::uint32_t kLongTableShare = 16;

std::uint32_t InputHash(const std::uint8_t* data, std::size_t size) {
  std::uint32_t h = 2166136261U;  // FNV-1a, then a final mix: its low bits alone are weak
  for (std::size_t k = 0; k < size; ++k) h = (h ^ data[k]) * 16777619U;
  h ^= h >> 16;
  h *= 0x85EBCA6BU;
  h ^= h >> 13;
  h *= 0xC2B2AE35U;
  h ^= h >> 16;
  return h;
}

constexpr std::array<FieldId, 7> kInputFields = {FieldId::Text1, FieldId::Text2,  FieldId::Text3,
                                                 FieldId::Text4, FieldId::Text17, FieldId::Text18,
                                                 FieldId::Text19};

constexpr std::string_view kRowEnd = "\r\n";
constexpr std::size_t kRowLength = 2 * velmora::kCellWidth + 1 + kRowEnd.size();

bool IsResultField(FieldId id) {
  const int n = FieldNumber(id);
  return (n >= 5 && n <= 16) || id == FieldId::Text20 || id == FieldId::Text21;
}

// Results that hold a general or a pattern text in full (the short fields may be cut mid-number).
bool IsWholeNumberField(FieldId id) {
  using enum FieldId;
  return id == Text5 || id == Text6 || id == Text7 || id == Text16 || id == Text20 || id == Text21;
}

using Snapshot = std::array<std::string, velmora::kFieldCount>;

Snapshot TakeSnapshot(const Calculator& calc) {
  Snapshot s;
  for (int n = 1; n <= velmora::kFieldCount; ++n) {
    s[static_cast<std::size_t>(n - 1)] = calc.Fields().Text(velmora::FieldAt(n));
  }
  return s;
}

struct Write {
  FieldId id;
  std::string text;
  bool operator==(const Write&) const = default;
};

struct Recorder {
  std::vector<Write> writes;
};

using InputLines = std::array<std::optional<std::string_view>, kInputFields.size()>;

struct Inputs {
  InputLines lines;
  unsigned options = 0;
  InputLines retyped;
};

Inputs Parse(std::string_view data) {
  Inputs in;
  constexpr std::size_t kOptionsLine = kInputFields.size();
  for (std::size_t k = 0; k < 2 * kInputFields.size() + 1 && !data.empty(); ++k) {
    const auto end = data.find('\n');
    const std::string_view line = data.substr(0, end);
    if (k < kOptionsLine) {
      in.lines[k] = line;
    } else if (k == kOptionsLine) {
      if (!line.empty()) in.options = static_cast<unsigned char>(line.front());
    } else {
      in.retyped[k - kOptionsLine - 1] = line;
    }
    if (end == std::string_view::npos) break;
    data.remove_prefix(end + 1);
  }
  return in;
}

void CheckProfileTable(std::string_view table, const std::optional<std::size_t>& planned) {
  Require(table.size() % kRowLength == 0, "Text15 ends in a partial row",
          table.substr(table.size() - table.size() % kRowLength));
  const std::size_t rows = table.size() / kRowLength;
  Require(rows <= velmora::kMaxProfileRows, "Text15 has more rows than the limit");
  Require(planned.has_value() && *planned == rows,
          "Text15 has another row count than the table announced");
  for (std::size_t r = 0; r < rows; ++r) {
    const std::string_view row = table.substr(r * kRowLength, kRowLength);
    Require(row[velmora::kCellWidth] == ' ' && row.substr(2 * velmora::kCellWidth + 1) == kRowEnd,
            "a Text15 row is not two cells and CR LF", row);
    for (const std::string_view cell : {row.substr(0, velmora::kCellWidth),
                                        row.substr(velmora::kCellWidth + 1, velmora::kCellWidth)}) {
      const auto first = cell.find_first_not_of(' ');
      Require(first != std::string_view::npos && cell.find(' ', first) == std::string_view::npos,
              "a Text15 cell is not right-aligned text", row);
      Require(velmora::reference::MatchesNumberGrammar(cell) &&
                  cell.find_first_of("eE") == std::string_view::npos,
              "a Text15 cell is not a fixed-point number", row);
    }
  }
}

// Checks what one Command1_Click wrote and the fields it left.
void CheckCalculation(const Calculator& calc, const Recorder& recorder,
                      const std::optional<std::size_t>& planned) {
  std::array<bool, velmora::kFieldCount + 1> written{};
  for (const Write& w : recorder.writes) {
    Require(IsResultField(w.id), "Calculate wrote an input field", w.text);
    Require(!velmora::fuzz::ShowsNonFinite(w.text), "Calculate wrote an infinity or a NaN", w.text);
    if (const auto limit = velmora::FieldLimit(w.id)) {
      Require(velmora::CharacterCount(w.text) <= *limit, "a short result field exceeds its limit",
              w.text);
    }
    if (IsWholeNumberField(w.id)) {
      Require(velmora::reference::MatchesNumberGrammar(w.text), "a result is not a number text",
              w.text);
    }
    if (w.id == FieldId::Text15) {
      Require(!written[15], "Text15 was written twice in one calculation");
      for (int n = 5; n <= 16; ++n) {
        Require(n == 15 || written[static_cast<std::size_t>(n)],
                "the table came before the geometry was complete");
      }
      CheckProfileTable(w.text, planned);
    }
    if (w.id == FieldId::Text20 || w.id == FieldId::Text21) {
      Require(written[15], "the feed placement came before the profile table", w.text);
    }
    written[static_cast<std::size_t>(FieldNumber(w.id))] = true;
  }

  // The fuzzer never types a result field, so each holds what a calculation, Form_Load or Clear
  // wrote; all of them must be free of infinities and NaNs, the short ones within their limit.
  for (int n = 5; n <= velmora::kFieldCount; ++n) {
    const FieldId id = velmora::FieldAt(n);
    if (!IsResultField(id)) continue;
    const std::string& text = calc.Fields().Text(id);
    Require(!velmora::fuzz::ShowsNonFinite(text), "a result field holds an infinity or a NaN",
            text);
    if (const auto limit = velmora::FieldLimit(id)) {
      Require(velmora::CharacterCount(text) <= *limit, "a short result field exceeds its limit",
              text);
    }
  }

  const velmora::FormValues& v = calc.Values();
  for (const auto& value : {v.FocalLength, v.FocusToRim, v.FeedToRim, v.HalfFocalSpan, v.SemiAxisA,
                            v.VertexOrdinate, v.RowRadius, v.RowDepth}) {
    Require(!value || std::isfinite(*value), "a form-level value is not finite");
  }
}

// One Command1_Click with its writes recorded and checked.
std::vector<Write> Calculate(Calculator& calc, Recorder& recorder) {
  // The count before the press and the one the table itself announces must both be its rows.
  const std::optional<std::size_t> foretold = velmora::fuzz::PlannedProfileRows(calc.Fields());
  std::optional<std::size_t> planned;
  recorder.writes.clear();
  try {
    calc.Command1_Click([&planned](std::size_t rows) {
      Require(!planned, "the table announced its rows twice");
      planned = rows;
    });
  } catch (...) {
    Fail("an exception escaped Command1_Click", {});
  }
  Require(!planned || planned == foretold, "the table made another count than foretold");
  CheckCalculation(calc, recorder, planned);
  return std::move(recorder.writes);
}

void Type(Calculator& calc, FieldId id, std::string_view text) {
  const std::string& held = calc.Fields().StoreUserText(id, text);
  Require(held == text || velmora::FieldLimit(id), "a field without a limit changed what was typed",
          held);
}

// Types the inputs and leaves the diameter field, then (bit 2) perhaps types STOP.
void TypeInputs(Calculator& calc, const Inputs& in) {
  const bool stopAfterFocus = (in.options & 4U) != 0;
  for (std::size_t k = 0; k < kInputFields.size(); ++k) {
    if (in.lines[k] && !(stopAfterFocus && kInputFields[k] == FieldId::Text18)) {
      Type(calc, kInputFields[k], *in.lines[k]);
    }
  }

  const std::string stopBefore = calc.Fields().Text(FieldId::Text18);
  const std::string diameter = calc.Fields().Text(FieldId::Text3);
  try {
    calc.Text3_LostFocus();
  } catch (...) {
    Fail("an exception escaped Text3_LostFocus", diameter);
  }
  const std::string& stop = calc.Fields().Text(FieldId::Text18);
  std::optional<double> d;
  try {
    d = velmora::ToNumber(diameter);
  } catch (const velmora::CalcError&) {
  }
  if (d) {
    Require(stop == velmora::GeneralText(*d / 2.0), "STOP is not half the diameter", stop);
  } else {
    Require(stop == stopBefore, "a diameter that is no number changed STOP", stop);
  }

  if (stopAfterFocus && in.lines[5]) Type(calc, FieldId::Text18, *in.lines[5]);
}

using InputTexts = std::array<std::string, kInputFields.size()>;

InputTexts CurrentInputs(const Calculator& calc) {
  InputTexts texts;
  for (std::size_t k = 0; k < kInputFields.size(); ++k)
    texts[k] = calc.Fields().Text(kInputFields[k]);
  return texts;
}

void TypeAll(Calculator& calc, const InputTexts& texts) {
  for (std::size_t k = 0; k < kInputFields.size(); ++k) Type(calc, kInputFields[k], texts[k]);
}

void RequireEmptyFields(const Calculator& calc, const char* what) {
  for (const std::string& text : TakeSnapshot(calc)) Require(text.empty(), what, text);
}

bool SkipAsLongTable(const std::optional<std::size_t>& planned, const Inputs& in,
                     const std::uint8_t* data, std::size_t size) {
  return planned && *planned > kSmallTableRows &&
         ((in.options & 8U) == 0 || InputHash(data, size) % kLongTableShare != 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Inputs in = Parse({reinterpret_cast<const char*>(data), size});
  const unsigned sequence = in.options & 3U;

  Calculator calc;
  Recorder recorder;
  calc.Form_Load();
  calc.Fields().SetObserver([&recorder](FieldId id, const std::string& text) {
    recorder.writes.push_back({id, text});
  });
  if (sequence == 3) {
    calc.Command3_Click();
    RequireEmptyFields(calc, "Clear left a field filled");
  }
  TypeInputs(calc, in);

  const InputTexts typed = CurrentInputs(calc);
  InputTexts retyped = typed;
  bool sameRetyped = true;
  for (std::size_t k = 0; k < kInputFields.size(); ++k) {
    if (in.retyped[k]) {
      retyped[k] = *in.retyped[k];
      sameRetyped = sameRetyped && retyped[k] == typed[k];
    }
  }
  if (SkipAsLongTable(velmora::fuzz::PlannedProfileRows(calc.Fields()), in, data, size)) return -1;
  Calculator reference;  // a fresh form with the retyped inputs, for sequence 2
  if (sequence == 2) {
    reference.Form_Load();
    reference.Command3_Click();
    TypeAll(reference, retyped);
    if (SkipAsLongTable(velmora::fuzz::PlannedProfileRows(reference.Fields()), in, data, size))
      return -1;
  }

  const std::vector<Write> first = Calculate(calc, recorder);
  const Snapshot after = TakeSnapshot(calc);

  if (sequence == 1) {
    // Every step reads only inputs and what this calculation wrote, so a repeat changes nothing.
    const std::vector<Write> second = Calculate(calc, recorder);
    Require(second == first, "a second calculation wrote other texts than the first");
    Require(TakeSnapshot(calc) == after, "a second calculation changed the fields");
  } else if (sequence == 2) {
    recorder.writes.clear();
    calc.Command3_Click();
    Require(recorder.writes.size() == static_cast<std::size_t>(velmora::kFieldCount),
            "Clear did not write every field once");
    for (const Write& w : recorder.writes)
      Require(w.text.empty(), "Clear wrote a non-empty text", w.text);
    RequireEmptyFields(calc, "Clear left a field filled");

    // A cleared form fails at the first input read, before any write.
    const std::vector<Write> onCleared = Calculate(calc, recorder);
    Require(onCleared.empty(), "a calculation of the cleared form wrote a field",
            onCleared.empty() ? "" : onCleared.front().text);
    RequireEmptyFields(calc, "a calculation of the cleared form filled a field");

    // What the earlier calculation left in the form-level values must not leak into this one:
    // it has to match a fresh form given the same texts.
    TypeAll(calc, retyped);
    const std::vector<Write> again = Calculate(calc, recorder);
    Recorder referenceRecorder;
    reference.Fields().SetObserver([&referenceRecorder](FieldId id, const std::string& text) {
      referenceRecorder.writes.push_back({id, text});
    });
    const std::vector<Write> expected = Calculate(reference, referenceRecorder);
    Require(again == expected, "a calculation after Clear wrote other texts than a fresh form");
    Require(TakeSnapshot(calc) == TakeSnapshot(reference),
            "a calculation after Clear left other fields than a fresh form");
    if (sameRetyped) {
      Require(again == first, "a calculation after Clear wrote other texts than the first");
      Require(TakeSnapshot(calc) == after,
              "a calculation after Clear left other fields than the first");
    }
  }
  return 0;
}
