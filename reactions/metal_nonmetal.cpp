// 5. A metal and a nonmetal combine to a salt.
// Reactants: the metal, the anion of the nonmetal.
#include "elements.h"
#include "terms.h"
#include "words.h"

namespace {

bool hasElement(const Ion& anion) { return nonmetalElement(anion) != nullptr; }

Reactants draw() {
  Ion rp = randomMetal();
  Ion rn = randomNonmetal();
  return reactantsOf(std::move(rp), std::move(rn));
}

void everyDraw(const std::function<void(const Reactants&)>& visit) {
  forEachIon(isFreeMetal, [&](const Ion& rp) {
    forEachIon(hasElement, [&](const Ion& rn) { visit({{rp, rn}, {}}); });
  });
}

QuestionTexts compose(const Reactants& r) {
  const Ion& rp = r.ions[0];
  const Ion& rn = r.ions[1];
  QuestionTexts t;
  t.qtype = "metal + nonmetal -> salt";
  t.question =
      words::metal(rp) + " + " + std::string(nonmetalElement(rn)->element);
  t.products = words::compound(rp, rn);
  t.ionic = words::equation(t.question, t.products);
  return t;
}

FormulaEquations formulas(const Reactants& r) {
  const Ion& rp = r.ions[0];
  const Ion& rn = r.ions[1];
  const NonmetalElement& element = *nonmetalElement(rn);
  return terms::derive(
      {terms::side(
           terms::metal(rp),
           terms::molecule(std::string(element.formula), element.state)),
       terms::side(terms::compound(rp, rn, State::solid))});
}

}  // namespace

const ReactionKind metalNonmetal = {draw, compose, formulas, everyDraw};
