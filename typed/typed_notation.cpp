#include "typed_notation.h"

#include "ion.h"
#include "text.h"

void LineCursor::skipBlanks() {
  at_ = line_.size() - pastBlanks(rest()).size();
}

std::string_view pastBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  return text;
}

bool startsWithWord(std::string_view text, std::string_view word) {
  return text.size() >= word.size() &&
         ucase(text.substr(0, word.size())) == ucase(word);
}

// Longer arrows stand first, so that the longest one wins: "-->" is never
// "-" and "->". A dash and ">" is what a phone's smart punctuation makes of
// "-->" and "->".
std::size_t arrowLength(std::string_view text) {
  constexpr std::string_view arrows[] = {"\xE2\x80\x94>",  // —>
                                         "\xE2\x80\x93>",  // –>
                                         "-->",
                                         "==>",
                                         "<->",
                                         "<=>",
                                         "\xE2\x86\x92",  // →
                                         "\xE2\x9F\xB6",  // ⟶
                                         "\xE2\x87\x92",  // ⇒
                                         "\xE2\x9E\x9D",  // ➝
                                         "\xE2\x87\x8C",  // ⇌
                                         "->",
                                         "=>",
                                         "="};
  for (const std::string_view arrow : arrows) {
    if (text.substr(0, arrow.size()) == arrow) return arrow.size();
  }
  return 0;
}

std::optional<State> stateAt(std::string_view text, std::size_t& length) {
  struct Symbol {
    std::string_view text;
    State state;
  };
  constexpr Symbol symbols[] = {
      {"(aq)", State::aqueous},    {"(s)", State::solid},
      {"(l)", State::liquid},      {"(g)", State::gas},
      {"(ppt)", State::solid},     {"\xE2\x86\x93", State::solid},  // ↓
      {"\xE2\x86\x91", State::gas}};                                // ↑
  for (const Symbol& s : symbols) {
    if (startsWithWord(text, s.text)) {
      length = s.text.size();
      return s.state;
    }
  }
  return std::nullopt;
}

bool stateFollows(std::string_view text) {
  std::size_t length = 0;
  return stateAt(text, length).has_value();
}
