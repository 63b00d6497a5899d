// Formula writing: ion formulas with their charge, and the formulas of
// compounds, with subscripts and brackets.
#ifndef REACTION_DRILL_SHARED_ION_FORMULAS_H_
#define REACTION_DRILL_SHARED_ION_FORMULAS_H_

#include <string>
#include <string_view>

#include "charges.h"
#include "ion_catalogue.h"
#include "text.h"

namespace ion_detail {

// The digit written for a valency in a formula: none for 1, and none for a
// valency outside the catalogue's 1 to 3.
inline std::string_view valencyDigit(int valency) {
  if (valency == 2) return "2";
  if (valency == 3) return "3";
  return "";
}

inline std::string grouped(const Ion& i, bool brackets) {
  return brackets ? "(" + i.formula + ")" : i.formula;
}

}  // namespace ion_detail

inline std::string Ion::makeFormula() const {
  return formula + chargeText(signedCharge(*this));
}

inline std::string Ion::getSuperscript() const {
  return chargeText(signedCharge(*this));
}

inline int Ion::getSubscript(const Ion& other) const {
  const int v = valency;
  const int w = other.valency;
  if (v == w) return 1;
  if (w == 2 && v != 4) return 2;
  if (w == 3) return 3;
  return 1;
}

// The formula of the compound of cation `pos` and anion `neg`, without
// charge: "NaCl", "Al2(SO4)3", "(NH4)2SO4". Valencies swap crosswise; a group
// takes brackets only where it takes a subscript.
inline std::string makeFormula(const Ion& pos, const Ion& neg) {
  const int p = pos.valency;
  const int n = neg.valency;
  std::string compound =
      ion_detail::grouped(pos, pos.polyatomic && n > 1 && n != p);
  if (n != p) compound += ion_detail::valencyDigit(n);
  compound += ion_detail::grouped(neg, neg.polyatomic && p > 1 && p != n);
  if (p != n) compound += ion_detail::valencyDigit(p);
  return compound;
}

namespace ion_detail {

// An ion's formula and charge for reading aloud: apart where the formula
// ends in a digit, so that "SO4 2-" is not read as "SO42-".
inline std::string chargeApart(const Ion& i) {
  const bool apart = !i.formula.empty() && isDigit(i.formula.back());
  return i.formula + (apart ? " " : "") + chargeText(signedCharge(i));
}

inline std::string countWord(int n) {
  constexpr std::string_view names[] = {"no",   "one",  "two", "three",
                                        "four", "five", "six"};
  return n >= 0 && n < 7 ? std::string(names[n]) : std::to_string(n);
}

}  // namespace ion_detail

// Why the compound of `pos` and `neg` has its formula, from the charges:
// "Al3+ and SO4 2-: two Al for three SO4 gives Al2(SO4)3."
inline std::string formulaReason(const Ion& pos, const Ion& neg) {
  const int p = pos.getSubscript(neg);
  const int n = neg.getSubscript(pos);
  std::string why = ion_detail::chargeApart(pos) + " and " +
                    ion_detail::chargeApart(neg) + ": ";
  if (p == 1 && n == 1) {
    why += "one of each";
  } else {
    why += ion_detail::countWord(p) + " " + pos.formula + " for " +
           ion_detail::countWord(n) + " " + neg.formula;
  }
  return why + " gives " + makeFormula(pos, neg) + ".";
}

#endif  // REACTION_DRILL_SHARED_ION_FORMULAS_H_
