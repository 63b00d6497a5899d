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

// Whether the base of `rp` and `rn` and the salt of `rp` with the acid's
// anion `an` both exist.
inline bool namesRealCompounds(const Ion& an, const Ion& rp, const Ion& rn) {
  return compoundExists(rp, rn) && compoundExists(rp, an);
}

// An acid that `acidAsked` takes, a cation, then an anion that `baseAnion`
// takes; the cation is drawn again until the base and the salt exist.
template <typename BaseAnion, typename AcidAsked>
Reactants drawNeutralisation(BaseAnion baseAnion, AcidAsked acidAsked) {
  // As randomAcid() drawn again until `acidAsked` takes it; all three in
  // place, copied once taken.
  const Ion& an = drawIonInPlace(acidAsked);
  const Ion* rp = &drawIonInPlace(role::cation);
  const Ion& rn = drawIonInPlace(baseAnion);
  while (!namesRealCompounds(an, *rp, rn)) {
    rp = &drawIonInPlace(role::cation);
  }
  return reactantsOf(Ion(an), Ion(*rp), Ion(rn));
}

// Every acid `acidAsked` takes with every cation and every anion
// `baseAnion` takes whose base and salt exist.
template <typename BaseAnion, typename AcidAsked>
void everyNeutralisation(BaseAnion baseAnion, AcidAsked acidAsked,
                         const std::function<void(const Reactants&)>& visit) {
  forEachIon(acidAsked, [&](const Ion& an) {
    forEachIon(role::cation, [&](const Ion& rp) {
      forEachIon(baseAnion, [&](const Ion& rn) {
        if (namesRealCompounds(an, rp, rn)) visit({{an, rp, rn}, {}});
      });
    });
  });
}

// The texts: `caption`, and `rest` in words as what forms besides the salt.
QuestionTexts neutralisationTexts(const Reactants& r, std::string caption,
                                  std::string_view rest);

// The reasons: a weak acid, a base or salt that does not dissolve, the
// spectators, and the charges behind the salt's formula.
std::vector<std::string> neutralisationReasons(const Reactants& r,
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
