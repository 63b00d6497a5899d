// 3. A metal put into an acid: hydrogen and a salt, if the metal is
// reactive enough.
// Reactants: the acid's anion, the metal (one of the activity series).
#include "elements.h"
#include "terms.h"
#include "words.h"

namespace {

Reactants draw() {
  Ion an = randomAcid();
  Ion rp = rankedMetal();
  return reactantsOf(std::move(an), std::move(rp));
}

void everyDraw(const std::function<void(const Reactants&)>& visit) {
  forEachIon(role::acid, [&](const Ion& an) {
    forEachIon(isRankedMetal, [&](const Ion& rp) { visit({{an, rp}, {}}); });
  });
}

QuestionTexts compose(const Reactants& r) {
  const Ion& an = r.ions[0];
  const Ion& rp = r.ions[1];
  QuestionTexts t;
  t.qtype = "acid + reactive metal -> hydrogen gas + salt";
  t.question = words::acid(an) + " + " + words::metal(rp);
  if (!reactsWithAcid(rp.formula)) {
    words::noReaction(t,
                      rp.name + " is not reactive enough to react with acid");
    return t;
  }
  t.products = "hydrogen gas + " + words::compound(rp, an);
  // When the salt does not dissolve its anion is no spectator, so the acid
  // is written whole.
  if (isSolubleChar(rp, an) == insoluble) {
    t.ionic = words::equation(t.question, t.products);
  } else {
    t.ionic = words::equation("hydrogen ions + " + words::metal(rp),
                              "hydrogen gas + " + words::ions(rp));
  }
  return t;
}

FormulaEquations formulas(const Reactants& r) {
  const Ion& an = r.ions[0];
  const Ion& rp = r.ions[1];
  if (!reactsWithAcid(rp.formula)) {
    return terms::noReaction(terms::side(terms::acid(an), terms::metal(rp)));
  }
  return terms::derive(
      {terms::side(terms::acid(an), terms::metal(rp)),
       terms::side(
           terms::hydrogenGas(),
           terms::compound(rp, an, terms::dissolvedUnlessInsoluble(rp, an)))});
}

}  // namespace

const ReactionKind acidMetal = {draw, compose, formulas, everyDraw};
