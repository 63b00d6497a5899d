// What an acid does with a base or a carbonate, which types 1 and 2 share:
// a salt always forms, and water, and with a carbonate carbon dioxide.
// Their reactants: the acid's anion, then the cation and anion of the base.
#ifndef REACTION_DRILL_REACTIONS_NEUTRALISATION_H_
#define REACTION_DRILL_REACTIONS_NEUTRALISATION_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "equation.h"
#include "reaction_types.h"
#include "terms.h"

// An acid, a cation, then an anion that `baseAnion` takes, drawn in that
// order.
template <typename BaseAnion>
Reactants drawNeutralisation(BaseAnion baseAnion) {
  Ion an = randomAcid();
  Ion rp = randomPos();
  Ion rn = ion_detail::drawAccepted(baseAnion);
  return reactantsOf(std::move(an), std::move(rp), std::move(rn));
}

// Every acid with every cation and every anion `baseAnion` takes.
template <typename BaseAnion>
void everyNeutralisation(BaseAnion baseAnion,
                         const std::function<void(const Reactants&)>& visit) {
  forEachIon(role::acid, [&](const Ion& an) {
    forEachIon(role::cation, [&](const Ion& rp) {
      forEachIon(baseAnion, [&](const Ion& rn) { visit({{an, rp, rn}, {}}); });
    });
  });
}

// The texts: `caption`, and `rest` in words as what forms besides the salt.
QuestionTexts neutralisationTexts(const Reactants& r, std::string caption,
                                  std::string_view rest);

// The equations: the acid and the base give the salt, then `rest`.
template <typename... Rest>
FormulaEquations neutralisationEquations(const Reactants& r, Rest&&... rest) {
  const Ion& an = r.ions[0];
  const Ion& rp = r.ions[1];
  const Ion& rn = r.ions[2];
  return terms::derive(
      {terms::side(terms::acid(an),
                   terms::compound(rp, rn, terms::dissolvedIfSoluble(rp, rn))),
       terms::side(terms::compound(rp, an, terms::dissolvedIfSoluble(rp, an)),
                   std::forward<Rest>(rest)...)});
}

#endif  // REACTION_DRILL_REACTIONS_NEUTRALISATION_H_
