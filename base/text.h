// Plain ASCII character classes, as the programs read typed answers and
// formulas: no locale can change them.
#ifndef REACTION_DRILL_BASE_TEXT_H_
#define REACTION_DRILL_BASE_TEXT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The most of a typed line that the programs keep. Every answer a program
// expects is far shorter, so a longer line is wrong whether it is cut or
// not, and cutting it can never make it right; where only the first byte
// counts, that byte is kept.
inline constexpr std::size_t maxLineKept = 4096;

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }
inline bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
inline bool isLower(char c) { return c >= 'a' && c <= 'z'; }
inline bool isLetter(char c) { return isUpper(c) || isLower(c); }

// The 26 ASCII letters in upper or in lower case; every other byte is
// unchanged, whatever the locale.
inline char ucase(char c) {
  return isLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}
inline char lcase(char c) {
  return isUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string ucase(std::string_view src) {
  std::string upper;
  upper.reserve(src.size());
  for (char c : src) upper += ucase(c);
  return upper;
}

// The blanks of a typed answer: spaces and tabs.
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Whether `word` is one of the blank-separated words of `words`: the tables
// of the ion model list formulas and names so.
inline bool isListed(std::string_view words, std::string_view word) {
  // The lists are short, their words a few letters, and the draws ask them
  // often: one pass that compares letter by letter beats searching for
  // each blank and comparing whole words.
  std::size_t at = 0;  // how much of `word` the current list word matched
  bool matching = true;
  for (const char c : words) {
    if (c == ' ') {
      if (matching && at == word.size()) return true;
      at = 0;
      matching = true;
    } else {
      matching = matching && at < word.size() && word[at] == c;
      ++at;
    }
  }
  return !words.empty() && matching && at == word.size();
}

// The blank-separated words of `words`, as the tables list formulas and
// names, in order.
inline std::vector<std::string_view> wordsOf(std::string_view words) {
  std::vector<std::string_view> all;
  for (std::size_t at = 0; at < words.size();) {
    std::size_t end = words.find(' ', at);
    if (end == std::string_view::npos) end = words.size();
    all.push_back(words.substr(at, end - at));
    at = end + 1;
  }
  return all;
}

// Reads `text` into `value` as a number from 0 to `highest`: decimal digits
// only, no sign, blank or base prefix, as the command line and the browser
// page take seeds, types and counts. False if it is not one, with `value`
// unchanged.
[[nodiscard]] inline bool decimal(std::string_view text, std::uint64_t highest,
                                  std::uint64_t& value) {
  if (text.empty()) return false;
  std::uint64_t read = 0;
  for (const char c : text) {
    if (!isDigit(c)) return false;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (digit > highest || read > (highest - digit) / 10) return false;
    read = read * 10 + digit;
  }
  value = read;
  return true;
}

// `items` with `between` between each two: ("a", "b"), "; " gives "a; b".
inline std::string joined(const std::vector<std::string>& items,
                          std::string_view between) {
  std::string text;
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (k > 0) text += between;
    text += items[k];
  }
  return text;
}

// `items` as a sentence lists them: "a", "a and b", "a, b and c", with
// `last` ("and", "or") before the last.
inline std::string listed(const std::vector<std::string>& items,
                          std::string_view last = "and") {
  std::string text;
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (k > 0) {
      text += k + 1 == items.size() ? " " + std::string(last) + " " : ", ";
    }
    text += items[k];
  }
  return text;
}

// `text` with its first letter in upper case.
inline std::string capitalised(std::string text) {
  if (!text.empty()) text[0] = ucase(text[0]);
  return text;
}

// `text` without the blanks before and after it.
inline std::string_view withoutBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

#endif  // REACTION_DRILL_BASE_TEXT_H_
