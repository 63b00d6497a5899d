#include "formula_speech.h"

#include <cstdlib>

#include "text.h"

namespace {

// A new word starts at an element symbol, a count and a bracket; a symbol's
// small letters and a count's further digits belong to it.
bool startsWord(std::string_view formula, std::size_t k) {
  const char c = formula[k];
  if (isLower(c)) return false;
  return !isDigit(c) || k == 0 || !isDigit(formula[k - 1]);
}

std::string spokenCharge(int charge) {
  const std::string sign = charge > 0 ? "plus" : "minus";
  const int size = std::abs(charge);
  return size == 1 ? sign : std::to_string(size) + " " + sign;
}

}  // namespace

std::string spokenFormula(std::string_view formula, int charge) {
  std::string spoken;
  for (std::size_t k = 0; k < formula.size(); ++k) {
    if (k > 0 && startsWord(formula, k)) spoken += ' ';
    const char c = formula[k];
    if (c == '(') {
      spoken += "open bracket";
    } else if (c == ')') {
      spoken += "close bracket";
    } else {
      spoken += c;
    }
  }
  if (charge != 0) spoken += ", " + spokenCharge(charge);
  return spoken;
}

std::string spokenTerm(const Term& t, bool withState) {
  std::string spoken =
      t.coefficient > 1 ? std::to_string(t.coefficient) + " " : std::string();
  spoken += spokenFormula(t.formula, t.charge);
  if (withState && t.state != State::none) {
    spoken += ", " + std::string(spokenState(t.state));
  }
  return spoken;
}
