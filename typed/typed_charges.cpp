#include "typed_charges.h"

#include <algorithm>
#include <string>

#include "ion.h"
#include "text.h"

namespace {

// Whether a formula and charge name the hydrogen ion or an ion of the
// catalogue, letter case aside.
bool isKnownIon(std::string_view formula, int charge) {
  const auto named = [&](const Ion& i) {
    return ucase(i.formula) == ucase(formula) && signedCharge(i) == charge;
  };
  return named(hydrogenIon()) ||
         std::any_of(catalogue().begin(), catalogue().end(), named);
}

// Splits the last `plainDigits` (at most two) of the formula between its
// subscripts and the charge of `sign` (+1 or -1): as a catalogue ion where
// one reading is one, otherwise all subscripts with a charge of 1, so that
// no species outside the catalogue is misread ("MnO4-", "C6H6+").
void splitCharge(TypedTerm& t, int sign, std::size_t plainDigits) {
  const std::size_t digits = std::min<std::size_t>(plainDigits, 2);
  std::size_t chosen = 0;
  for (std::size_t k = 1; k <= digits; ++k) {
    const std::size_t cut = t.formula.size() - k;
    if (t.formula[cut] == '0') continue;  // no charge is written "03+"
    const int size = std::stoi(t.formula.substr(cut));
    if (isKnownIon(std::string_view(t.formula).substr(0, cut), sign * size)) {
      chosen = k;
    }
  }
  const std::size_t cut = t.formula.size() - chosen;
  t.charge = sign * (chosen == 0 ? 1 : std::stoi(t.formula.substr(cut)));
  t.formula.resize(cut);
}

// Whether a sign ends its term where `after` starts: at the end, or before
// a blank, "(", another sign, an arrow or a state.
bool signEndsTerm(std::string_view after) {
  const char next = typedCharAt(after, 0).reads;
  return after.empty() || isBlank(next) || next == '(' || isSign(next) ||
         arrowLength(after) > 0 || stateFollows(after);
}

// Whether a term may end where `after` starts: past any blanks, the end, a
// +, an arrow or a state follows.
bool termEndsAt(std::string_view after) {
  const std::string_view text = pastBlanks(after);
  return text.empty() || text.front() == '+' || arrowLength(text) > 0 ||
         stateFollows(text);
}

// Up to two digits of `script`: their value, 0 where none stands, and -1
// for a size of 0 or of more digits.
int readSize(LineCursor& line, Script script) {
  int size = 0;
  int digits = 0;
  for (TypedChar c = line.next(); isDigit(c.reads) && c.script == script;
       c = line.next()) {
    if (++digits > 2) return -1;
    size = size * 10 + (c.reads - '0');
    line.advance(c.size);
  }
  return digits > 0 && size == 0 ? -1 : size;
}

// A charge's size and sign either way round ("2+", "+2", "+"), in one
// script; superscript digits may end in a plain sign too ("Fe³+").
bool readBody(LineCursor& line, TypedTerm& t, Script script) {
  int size = readSize(line, script);
  const TypedChar sign = line.next();
  const bool fits =
      sign.script == script || (size > 0 && sign.script == Script::plain);
  if (size < 0 || !isSign(sign.reads) || !fits) return false;
  line.advance(sign.size);
  if (size == 0) size = readSize(line, script);
  if (size < 0) return false;
  size = std::max(size, 1);
  t.charge = sign.reads == '-' ? -size : size;
  return true;
}

bool readBraced(LineCursor& line, TypedTerm& t) {
  line.advance(1);
  if (!readBody(line, t, Script::plain) || line.byte() != '}') return false;
  line.advance(1);
  return true;
}

// A plain sign right after the formula: the arrow it starts, a charge sign
// ("Fe3+", "Na++Cl-"), a charge written sign first where the term ends
// after its digits ("Fe+3"), or else the + between two terms ("2Na+2H2O").
void readSignAfterFormula(LineCursor& line, TypedTerm& t,
                          std::size_t plainDigits) {
  if (arrowLength(line.rest()) > 0) return;
  const TypedChar sign = line.next();
  const int direction = sign.reads == '-' ? -1 : 1;
  const std::size_t start = line.at();
  line.advance(sign.size);
  if (signEndsTerm(line.rest())) {
    splitCharge(t, direction, plainDigits);
    return;
  }
  const int size = readSize(line, Script::plain);
  if (size > 0 && termEndsAt(line.rest())) {
    t.charge = direction * size;
    return;
  }
  line.takeBack(start);
}

}  // namespace

bool readCharge(LineCursor& line, TypedTerm& t, std::size_t plainDigits) {
  const TypedChar c = line.next();
  if (c.script == Script::superscript) {
    return readBody(line, t, Script::superscript);
  }
  if (c.reads == '^') {
    line.advance(1);
    return line.byte() == '{' ? readBraced(line, t)
                              : readBody(line, t, Script::plain);
  }
  if (c.reads == '{') return readBraced(line, t);
  if (isSign(c.reads) && c.script == Script::plain) {
    readSignAfterFormula(line, t, plainDigits);
  }
  return true;
}

bool readSpacedCharge(LineCursor& line, TypedTerm& t) {
  const TypedChar c = line.next();
  if (c.script == Script::superscript || c.reads == '^' || c.reads == '{') {
    return readCharge(line, t, 0);
  }
  const std::size_t start = line.at();
  const int size = readSize(line, Script::plain);
  const TypedChar sign = line.next();
  if (size > 0 && isSign(sign.reads) && sign.script == Script::plain &&
      arrowLength(line.rest()) == 0 &&
      signEndsTerm(line.rest().substr(sign.size))) {
    t.charge = sign.reads == '-' ? -size : size;
    line.advance(sign.size);
    return true;
  }
  line.takeBack(start);
  return true;
}
