// Equations written as inline HTML for worksheets and the browser page:
// every digit of a formula as a subscript, the charge as a superscript with
// a real minus sign, and the arrow as an arrow. Each formula, and each term
// of an equation, is one span that never breaks across lines, named for a
// screen reader as formula_speech.h reads it. Written from the terms, never
// from ASCII text, in which "CO32-" could be CO3 with 2- or CO with 32-.
#ifndef REACTION_DRILL_EQUATIONS_EQUATION_HTML_H_
#define REACTION_DRILL_EQUATIONS_EQUATION_HTML_H_

#include <string>
#include <string_view>

#include "equation.h"
#include "equation_text.h"
#include "rich.h"

// A formula without its charge, such as "Al2(SO4)3", with its charge.
std::string htmlFormula(std::string_view formula, int charge = 0);

// One term, with its coefficient and, with `withState`, its state.
std::string htmlTerm(const Term& t, bool withState);

// The equation in HTML; without states for an answer that names none.
std::string htmlEquation(const Equation& e, bool withStates = true);

// The equation in both forms, as text and as HTML.
inline Rich richEquation(const Equation& e) {
  return {ascii(e), htmlEquation(e)};
}

#endif  // REACTION_DRILL_EQUATIONS_EQUATION_HTML_H_
