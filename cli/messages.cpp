#include "messages.h"

#include <cstdlib>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace velmora::cli {
namespace {

std::string_view Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string_view(value) : std::string_view();
}

#ifdef _WIN32
bool SessionIsJapanese() {
  // LANG, where a shell (or Wine) sets it, names the locale; else the user's own.
  const std::string_view lang = Environment("LANG");
  if (lang == "C") return false;
  if (!lang.empty()) return NamesJapanese(lang);
  return PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())) == LANG_JAPANESE;
}
#else
bool SessionIsJapanese() {
  // The messages' locale, as man 7 locale ranks the variables.
  std::string_view locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = Environment(name);
    if (!locale.empty()) break;
  }
  if (locale.empty() || locale == "C" || locale == "POSIX") return false;
  // The first language a user lists in LANGUAGE (a GNU extension) overrides the locale's.
  const std::string_view languages = Environment("LANGUAGE");
  const std::string_view first = languages.substr(0, languages.find(':'));
  return NamesJapanese(first.empty() ? locale : first);
}
#endif

}  // namespace

bool JapaneseSession() {
  static const bool japanese = SessionIsJapanese();
  return japanese;
}

bool NamesJapanese(std::string_view localeName) {
  // The language is the name's first part: an ISO 639 code of two or three letters, in any case.
  std::string language(localeName.substr(0, localeName.find_first_of("_-.@")));
  for (char& c : language) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return language == "ja" || language == "jpn";
}

std::string Say(const Phrase& phrase, std::initializer_list<std::string_view> values) {
  const std::string_view pattern = JapaneseSession() ? phrase.japanese : phrase.english;
  const std::vector<std::string_view> filling(values);
  std::string text;
  text.reserve(pattern.size());
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    const char next = k + 1 < pattern.size() ? pattern[k + 1] : '\0';
    const auto marker = static_cast<std::size_t>(next - '1');
    if (pattern[k] == '%' && next >= '1' && next <= '9' && marker < filling.size()) {
      text += filling[marker];
      ++k;
    } else {
      text += pattern[k];
    }
  }
  return text;
}

}  // namespace velmora::cli
