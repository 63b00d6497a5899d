// 4. A metal put into water: hydrogen and the hydroxide, if the metal is
// reactive enough.
// Reactants: the metal, at least as reactive as zinc.
#include "elements.h"
#include "terms.h"
#include "words.h"

namespace {

// Metals below zinc would only ever give "no reaction" in water.
bool isWaterMetal(const Ion& i) {
  return isFreeMetal(i) && reactivity(i.formula) >= reactivity("Zn");
}

const Ion& hydroxide() {
  static const Ion oh = catalogueIon("hydroxide");
  return oh;
}

Reactants draw() {
  // As randomMetal() drawn again until it is one.
  return reactantsOf(ion_detail::drawAccepted(isWaterMetal));
}

void everyDraw(const std::function<void(const Reactants&)>& visit) {
  forEachIon(isWaterMetal, [&](const Ion& rp) { visit({{rp}, {}}); });
}

QuestionTexts compose(const Reactants& r) {
  const Ion& rp = r.ions[0];
  QuestionTexts t;
  t.qtype = "water + reactive metal -> hydrogen gas + metal hydroxide";
  t.question = "water + " + words::metal(rp);
  if (!reactsWithWater(rp.formula)) {
    words::noReaction(t,
                      rp.name + " is not reactive enough to react with water");
    return t;
  }
  t.products = "hydrogen gas + " + words::compound(rp, hydroxide());
  if (isSolubleChar(rp, hydroxide()) == insoluble) {
    t.ionic = words::equation(t.question, t.products);
  } else {
    t.ionic = words::equation(t.question, "hydrogen gas + " + words::ions(rp) +
                                              " + " + words::ions(hydroxide()));
  }
  return t;
}

FormulaEquations formulas(const Reactants& r) {
  const Ion& rp = r.ions[0];
  if (!reactsWithWater(rp.formula)) {
    return terms::noReaction(terms::side(terms::water(), terms::metal(rp)));
  }
  const State base = terms::dissolvedUnlessInsoluble(rp, hydroxide());
  return terms::derive({terms::side(terms::water(), terms::metal(rp)),
                        terms::side(terms::hydrogenGas(),
                                    terms::compound(rp, hydroxide(), base))});
}

}  // namespace

const ReactionKind waterMetal = {draw, compose, formulas, everyDraw};
