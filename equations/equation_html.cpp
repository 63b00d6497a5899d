#include "equation_html.h"

#include <vector>

#include "charges.h"
#include "formula_speech.h"
#include "rich.h"
#include "text.h"

namespace {

// `html` as one formula a screen reader reads as `spoken`, which holds no
// character that HTML would change.
std::string named(const std::string& spoken, const std::string& html) {
  return R"(<span class="f" role="math" aria-label=")" + spoken + R"(">)" +
         html + "</span>";
}

std::string marked(std::string_view formula, int charge) {
  std::string html;
  bool inSubscript = false;
  for (const char c : formula) {
    const bool digit = isDigit(c);
    if (digit != inSubscript) html += digit ? "<sub>" : "</sub>";
    inSubscript = digit;
    html += c;
  }
  if (inSubscript) html += "</sub>";
  if (charge != 0) html += "<sup>" + chargeText(charge, "&minus;") + "</sup>";
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

std::string htmlTerm(const Term& t, bool withState) {
  std::string html =
      t.coefficient > 1 ? std::to_string(t.coefficient) : std::string();
  html += marked(t.formula, t.charge);
  if (withState) html += stateSymbol(t.state);
  return named(spokenTerm(t, withState), html);
}

std::string htmlFormula(std::string_view formula, int charge) {
  return named(spokenFormula(formula, charge), marked(formula, charge));
}

std::string htmlEquation(const Equation& e, bool withStates) {
  const std::string arrow = " " + std::string(htmlArrow) + " ";
  if (e.noReaction) {
    return htmlSide(e.reactants, false, withStates) + arrow + "no reaction";
  }
  return htmlSide(e.reactants, true, withStates) + arrow +
         htmlSide(e.products, true, withStates);
}
