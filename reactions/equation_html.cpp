#include "equation_html.h"

#include <vector>

#include "ion.h"

namespace {

std::string htmlTerm(const Term& t, bool withState) {
  std::string html =
      t.coefficient > 1 ? std::to_string(t.coefficient) : std::string();
  html += htmlFormula(t.formula, t.charge);
  if (withState) html += stateSymbol(t.state);
  return html;
}

std::string htmlSide(const std::vector<Term>& terms, bool coefficients,
                     bool withStates) {
  std::string html;
  for (const Term& t : terms) {
    if (!html.empty()) html += " + ";
    Term shown = t;
    if (!coefficients) shown.coefficient = 1;
    html += htmlTerm(shown, withStates);
  }
  return html;
}

}  // namespace

std::string htmlFormula(std::string_view formula, int charge) {
  std::string html;
  bool inSubscript = false;
  for (const char c : formula) {
    const bool digit = c >= '0' && c <= '9';
    if (digit != inSubscript) html += digit ? "<sub>" : "</sub>";
    inSubscript = digit;
    html += c;
  }
  if (inSubscript) html += "</sub>";
  if (charge != 0) html += "<sup>" + chargeText(charge, "&minus;") + "</sup>";
  return html;
}

std::string htmlEquation(const Equation& e, bool withStates) {
  if (e.noReaction) {
    return htmlSide(e.reactants, false, withStates) + " &rarr; no reaction";
  }
  return htmlSide(e.reactants, true, withStates) + " &rarr; " +
         htmlSide(e.products, true, withStates);
}
