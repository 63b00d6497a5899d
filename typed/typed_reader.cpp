#include "typed_reader.h"

#include <algorithm>

#include "ion.h"
#include "text.h"
#include "typed_charges.h"
#include "typed_notation.h"

namespace {

// Reads one typed line from left to right.
class Reader {
 public:
  explicit Reader(std::string_view line) : in_(line) {}
  bool readEquation(TypedEquation& e);
  bool readWithoutArrow();
  bool readFormulaAlone(TypedTerm& t);
  bool readTermAlone(TypedTerm& t);
  [[nodiscard]] std::size_t at() const { return in_.at(); }

 private:
  bool dropWrapper();
  bool noReactionFollows();
  bool readSide(std::vector<TypedTerm>& side);
  bool readTerm(TypedTerm& t);
  bool readCoefficient(TypedTerm& t);
  bool readSpecies(TypedTerm& t);
  bool readFormula(TypedTerm& t);
  bool readSubscript(TypedTerm& t);
  void readState(TypedTerm& t);

  LineCursor in_;
  // The plain digits that end the formula read last: only they can hold a
  // charge's size, never a subscript written as one.
  std::size_t plainDigits_ = 0;
};

bool Reader::readEquation(TypedEquation& e) {
  in_.skipBlanks();
  if (!dropWrapper()) return false;
  if (noReactionFollows()) return e.noReaction = true;
  if (!readSide(e.left)) return false;
  const std::size_t arrow = arrowLength(in_.rest());
  if (arrow == 0) return false;
  in_.advance(arrow);
  in_.skipBlanks();
  if (noReactionFollows()) return e.noReaction = true;
  return readSide(e.right) && in_.rest().empty();
}

// One side, or two with only blanks between them, and nothing after: an
// equation but for its arrow. A formula starts with a capital here, so that
// a stray word is no species.
bool Reader::readWithoutArrow() {
  in_.skipBlanks();
  if (!dropWrapper() || noReactionFollows()) return false;
  std::vector<TypedTerm> terms;
  if (!readSide(terms)) return false;
  if (!in_.rest().empty() && !readSide(terms)) return false;
  return in_.rest().empty() &&
         std::all_of(terms.begin(), terms.end(), [](const TypedTerm& t) {
           return isUpper(t.formula.front()) || t.formula.front() == '(';
         });
}

// Of "\ce{...}" around the whole line, only what stands inside is read.
bool Reader::dropWrapper() {
  constexpr std::string_view open = "\\ce{";
  std::string_view inner = in_.rest();
  if (inner.substr(0, open.size()) != open) return true;
  while (isBlank(inner.back())) inner.remove_suffix(1);
  if (inner.back() != '}') {
    in_.advance(inner.size());
    return false;
  }
  in_.endAt(in_.at() + inner.size() - 1);
  in_.advance(open.size());
  in_.skipBlanks();
  return true;
}

// "no reaction" or "NR", in any letter case, and nothing after it.
bool Reader::noReactionFollows() {
  std::string_view text = in_.rest();
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  // Compared only where the lengths agree, so no copy is longer than a word.
  if (text.size() == 2 && startsWithWord(text, "NR")) return true;
  if (!startsWithWord(text, "no")) return false;
  text.remove_prefix(2);
  if (text.empty() || !isBlank(text.front())) return false;
  text = pastBlanks(text);
  return text.size() == 8 && startsWithWord(text, "reaction");
}

bool Reader::readSide(std::vector<TypedTerm>& side) {
  for (;;) {
    in_.skipBlanks();
    TypedTerm t;
    if (!readTerm(t)) return false;
    side.push_back(t);
    in_.skipBlanks();
    if (in_.byte() != '+') return true;
    in_.advance(1);
  }
}

bool Reader::readTerm(TypedTerm& t) {
  if (!readCoefficient(t)) return false;
  in_.skipBlanks();
  if (!readSpecies(t)) return false;
  readState(t);
  return true;
}

bool Reader::readCoefficient(TypedTerm& t) {
  if (!isDigit(in_.byte())) return true;
  t.coefficient = 0;
  for (int digits = 0; isDigit(in_.byte()); ++digits, in_.advance(1)) {
    if (digits == 6) return false;  // no equation needs a million
    t.coefficient = t.coefficient * 10 + (in_.byte() - '0');
  }
  return t.coefficient > 0;
}

// The formula and its charge, which `written` keeps as typed; a charge
// may stand after blanks.
bool Reader::readSpecies(TypedTerm& t) {
  const std::size_t start = in_.at();
  const std::string_view from = in_.rest();
  if (!readFormula(t)) return false;
  const std::size_t formulaEnd = in_.at();
  if (!readCharge(in_, t, plainDigits_)) return false;
  std::size_t end = in_.at();
  in_.skipBlanks();
  const std::size_t blanksEnd = in_.at();
  if (end == formulaEnd && blanksEnd > end) {
    if (!readSpacedCharge(in_, t)) return false;
    if (in_.at() > blanksEnd) end = in_.at();
  }
  t.written = std::string(from.substr(0, end - start));
  return true;
}

// Letters, digits and brackets, up to a charge, a state or anything else;
// false where no formula starts or a bracket stays open.
bool Reader::readFormula(TypedTerm& t) {
  if (!isLetter(in_.byte()) && in_.byte() != '(') return false;
  std::size_t open = 0;
  plainDigits_ = 0;
  for (TypedChar c = in_.next();; c = in_.next()) {
    if (c.reads == '_') {
      if (!readSubscript(t)) return false;
      continue;
    }
    const bool digit = isDigit(c.reads) && c.script != Script::superscript;
    const bool opens = c.reads == '(' && !stateFollows(in_.rest());
    const bool closes = c.reads == ')' && open > 0;
    if (!isLetter(c.reads) && !digit && !opens && !closes) break;
    open = opens ? open + 1 : closes ? open - 1 : open;
    plainDigits_ = digit && c.script == Script::plain ? plainDigits_ + 1 : 0;
    t.formula += c.reads;
    in_.advance(c.size);
  }
  return !t.formula.empty() && open == 0;
}

// "_2" or "_{12}", as LaTeX writes a subscript.
bool Reader::readSubscript(TypedTerm& t) {
  in_.advance(1);
  const bool braced = in_.byte() == '{';
  if (braced) in_.advance(1);
  std::size_t digits = 0;
  for (; isDigit(in_.byte()) && (braced || digits == 0); ++digits) {
    t.formula += in_.byte();
    in_.advance(1);
  }
  if (digits == 0 || (braced && in_.byte() != '}')) return false;
  if (braced) in_.advance(1);
  plainDigits_ = 0;
  return true;
}

void Reader::readState(TypedTerm& t) {
  const std::string_view text = pastBlanks(in_.rest());
  std::size_t length = 0;
  t.state = stateAt(text, length);
  if (t.state) in_.advance(in_.rest().size() - text.size() + length);
}

bool Reader::readFormulaAlone(TypedTerm& t) {
  in_.skipBlanks();
  if (!readSpecies(t)) return false;
  in_.skipBlanks();
  return in_.rest().empty();
}

bool Reader::readTermAlone(TypedTerm& t) {
  in_.skipBlanks();
  if (!readTerm(t)) return false;
  in_.skipBlanks();
  return in_.rest().empty();
}

}  // namespace

bool readTypedEquation(std::string_view line, TypedEquation& typed,
                       std::size_t& failedAt) {
  typed = TypedEquation{};
  Reader reader(line);
  if (reader.readEquation(typed)) return true;
  failedAt = reader.at();
  return false;
}

bool readTypedFormula(std::string_view answer, TypedTerm& t) {
  t = TypedTerm{};
  return Reader(answer).readFormulaAlone(t);
}

bool readTypedTerm(std::string_view text, TypedTerm& t) {
  t = TypedTerm{};
  return Reader(text).readTermAlone(t);
}

bool lacksOnlyAnArrow(std::string_view line) {
  return Reader(line).readWithoutArrow();
}

std::string plainFormula(std::string_view answer) {
  TypedTerm t;
  if (readTypedFormula(answer, t)) {
    return t.formula + chargeText(t.charge);
  }
  return std::string(withoutBlanks(answer));
}
