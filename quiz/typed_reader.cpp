#include "typed_reader.h"

#include <algorithm>
#include <numeric>

#include "ion.h"
#include "text.h"

namespace {

bool isSign(char c) { return c == '+' || c == '-'; }

// Whether `text` starts with `word`, letter case aside.
bool startsWithWord(std::string_view text, std::string_view word) {
  return text.size() >= word.size() &&
         ucase(text.substr(0, word.size())) == ucase(word);
}

// The length of the arrow `text` starts with, or 0.
std::size_t arrowLength(std::string_view text) {
  for (const std::string_view arrow : {"->", "=>", "\xE2\x86\x92", "="}) {
    if (text.substr(0, arrow.size()) == arrow) return arrow.size();
  }
  return 0;
}

std::optional<State> stateAt(std::string_view text, std::size_t& length) {
  struct Symbol {
    std::string_view text;
    State state;
  };
  constexpr Symbol symbols[] = {{"(aq)", State::aqueous},
                                {"(s)", State::solid},
                                {"(l)", State::liquid},
                                {"(g)", State::gas}};
  for (const Symbol& s : symbols) {
    if (startsWithWord(text, s.text)) {
      length = s.text.size();
      return s.state;
    }
  }
  return std::nullopt;
}

// Whether a formula and charge name the hydrogen ion or an ion of the
// catalogue, letter case aside.
bool isKnownIon(std::string_view formula, int charge) {
  const auto named = [&](const Ion& i) {
    return ucase(i.formula) == ucase(formula) && signedCharge(i) == charge;
  };
  return named(hydrogenIon()) || std::any_of(ion.begin(), ion.end(), named);
}

// Splits the digits that end `formula` between its last subscript and the
// charge of `sign` (+1 or -1): as a catalogue ion where one reading is one,
// otherwise the last digit is the charge.
void splitCharge(TypedTerm& t, int sign) {
  std::size_t digits = 0;
  while (digits < t.formula.size() && digits < 2 &&
         isDigit(t.formula[t.formula.size() - 1 - digits])) {
    ++digits;
  }
  std::size_t chosen = std::min<std::size_t>(digits, 1);
  for (std::size_t k = 0; k <= digits; ++k) {
    const std::string_view rest(t.formula.data(), t.formula.size() - k);
    const int magnitude = k == 0 ? 1 : std::stoi(t.formula.substr(rest.size()));
    if (magnitude > 0 && isKnownIon(rest, sign * magnitude)) chosen = k;
  }
  const std::size_t cut = t.formula.size() - chosen;
  t.charge = sign * (chosen == 0 ? 1 : std::stoi(t.formula.substr(cut)));
  t.formula.resize(cut);
}

// Reads one typed line from left to right; `at` is where it stands.
class Reader {
 public:
  explicit Reader(std::string_view line) : s_(line) {}
  bool read(TypedEquation& e);
  [[nodiscard]] std::size_t at() const { return at_; }

 private:
  [[nodiscard]] char peek(std::size_t ahead = 0) const {
    return at_ + ahead < s_.size() ? s_[at_ + ahead] : '\0';
  }
  [[nodiscard]] std::string_view rest() const { return s_.substr(at_); }
  void skipBlanks() {
    while (isBlank(peek())) ++at_;
  }
  bool noReactionFollows();
  bool readSide(std::vector<TypedTerm>& side);
  bool readTerm(TypedTerm& t);
  bool readCoefficient(TypedTerm& t);
  void readFormula(TypedTerm& t);
  bool readCharge(TypedTerm& t);
  [[nodiscard]] bool signIsCharge() const;

  std::string_view s_;
  std::size_t at_ = 0;
};

bool Reader::read(TypedEquation& e) {
  skipBlanks();
  if (noReactionFollows()) return e.noReaction = true;
  if (!readSide(e.left)) return false;
  const std::size_t arrow = arrowLength(rest());
  if (arrow == 0) return false;
  at_ += arrow;
  skipBlanks();
  if (noReactionFollows()) return e.noReaction = true;
  return readSide(e.right) && at_ == s_.size();
}

// "no reaction" or "NR", in any letter case, and nothing after it.
bool Reader::noReactionFollows() {
  std::string_view text = rest();
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  if (ucase(text) == "NR") return true;
  if (!startsWithWord(text, "no")) return false;
  text.remove_prefix(2);
  if (text.empty() || !isBlank(text.front())) return false;
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  return ucase(text) == "REACTION";
}

bool Reader::readSide(std::vector<TypedTerm>& side) {
  for (;;) {
    skipBlanks();
    TypedTerm t;
    if (!readTerm(t)) return false;
    side.push_back(t);
    skipBlanks();
    if (peek() != '+') return true;
    ++at_;
  }
}

bool Reader::readTerm(TypedTerm& t) {
  if (!readCoefficient(t)) return false;
  skipBlanks();
  const std::size_t start = at_;
  if (!isLetter(peek()) && peek() != '(') return false;
  readFormula(t);
  if (!readCharge(t)) return false;
  t.written = std::string(s_.substr(start, at_ - start));
  std::size_t length = 0;
  t.state = stateAt(rest(), length);
  at_ += length;
  return true;
}

bool Reader::readCoefficient(TypedTerm& t) {
  if (!isDigit(peek())) return true;
  t.coefficient = 0;
  for (int digits = 0; isDigit(peek()); ++digits, ++at_) {
    if (digits == 6) return false;  // no equation needs a million
    t.coefficient = t.coefficient * 10 + (peek() - '0');
  }
  return t.coefficient > 0;
}

// Letters, digits and brackets, up to a charge, a state or anything else.
void Reader::readFormula(TypedTerm& t) {
  std::size_t length = 0;
  while (isLetter(peek()) || isDigit(peek()) || peek() == ')' ||
         (peek() == '(' && !stateAt(rest(), length))) {
    t.formula += s_[at_++];
  }
}

// Whether the sign at `at_` ends a charge rather than joining two terms.
bool Reader::signIsCharge() const {
  if (peek() == '-' && peek(1) == '>') return false;  // the arrow itself
  const char next = peek(1);
  return at_ + 1 == s_.size() || isBlank(next) || next == '(' || isSign(next) ||
         arrowLength(s_.substr(at_ + 1)) > 0;
}

bool Reader::readCharge(TypedTerm& t) {
  if (peek() == '^') {
    ++at_;
    int magnitude = 1;
    if (isDigit(peek())) {
      magnitude = 0;
      for (int digits = 0; isDigit(peek()); ++digits, ++at_) {
        if (digits == 2) return false;
        magnitude = magnitude * 10 + (peek() - '0');
      }
    }
    if (!isSign(peek()) || magnitude == 0) return false;
    t.charge = (peek() == '-' ? -1 : 1) * magnitude;
    ++at_;
    return true;
  }
  if (isSign(peek()) && signIsCharge()) {
    splitCharge(t, peek() == '-' ? -1 : 1);
    ++at_;
  }
  return !t.formula.empty();
}

}  // namespace

bool readTypedEquation(std::string_view line, TypedEquation& typed,
                       std::size_t& failedAt) {
  typed = TypedEquation{};
  Reader reader(line);
  if (reader.read(typed)) return true;
  failedAt = reader.at();
  return false;
}
