// What the reader of typed equations and its reader of charges share: where
// reading stands on the line, and the arrows and states of the notation
// (typed_reader.h lists it all).
#ifndef REACTION_DRILL_TYPED_TYPED_NOTATION_H_
#define REACTION_DRILL_TYPED_TYPED_NOTATION_H_

#include <cstddef>
#include <optional>
#include <string_view>

#include "equation.h"
#include "typed_characters.h"

// A place on a typed line, which only moves forward but for a lookahead of
// a few characters taken back.
class LineCursor {
 public:
  explicit LineCursor(std::string_view line) : line_(line) {}
  [[nodiscard]] std::size_t at() const { return at_; }
  [[nodiscard]] std::string_view rest() const { return line_.substr(at_); }
  // The byte `ahead` of where reading stands, '\0' past the end.
  [[nodiscard]] char byte(std::size_t ahead = 0) const {
    return at_ + ahead < line_.size() ? line_[at_ + ahead] : '\0';
  }
  [[nodiscard]] TypedChar next() const { return typedCharAt(line_, at_); }
  void advance(std::size_t bytes) { at_ += bytes; }
  void takeBack(std::size_t to) { at_ = to; }
  void skipBlanks();
  // Reading stops at byte `end` of the line, as if the line ended there.
  void endAt(std::size_t end) { line_ = line_.substr(0, end); }

 private:
  std::string_view line_;
  std::size_t at_ = 0;
};

inline bool isSign(char c) { return c == '+' || c == '-'; }

// `text` from its first byte that is no blank.
std::string_view pastBlanks(std::string_view text);

// Whether `text` starts with `word`, letter case aside.
bool startsWithWord(std::string_view text, std::string_view word);

// The length of the arrow `text` starts with, or 0.
std::size_t arrowLength(std::string_view text);

// The state `text` starts with, and its `length`.
std::optional<State> stateAt(std::string_view text, std::size_t& length);

bool stateFollows(std::string_view text);

#endif  // REACTION_DRILL_TYPED_TYPED_NOTATION_H_
