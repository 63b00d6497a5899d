#include "terms.h"

#include <array>
#include <optional>

#include "elements.h"
#include "require.h"

namespace {

Constituent constituent(const Ion& i, const Ion& partner) {
  return {i.formula, signedCharge(i), i.getSubscript(partner)};
}

}  // namespace

namespace terms {

Term compound(const Ion& cation, const Ion& anion, State state) {
  if (isWeakBase(cation, anion)) {
    return molecule(makeFormula(cation, anion), state);
  }
  return {1, makeFormula(cation, anion), 0, state,
          std::array<Constituent, 2>{constituent(cation, anion),
                                     constituent(anion, cation)}};
}

Term acid(const Ion& anion) {
  if (isWeakAcid(anion)) {
    return molecule(makeFormula(hydrogenIon(), anion), State::aqueous);
  }
  return compound(hydrogenIon(), anion, State::aqueous);
}

Term molecule(std::string formula, State state) {
  return {1, std::move(formula), 0, state, std::nullopt};
}

Term metal(const Ion& i) { return molecule(i.formula, metalState(i)); }
Term water(State state) { return molecule("H2O", state); }
Term hydrogenGas() { return molecule("H2", State::gas); }
Term carbonDioxide() { return molecule("CO2", State::gas); }

State dissolvedIfSoluble(const Ion& cation, const Ion& anion) {
  return isSolubleChar(cation, anion) == soluble ? State::aqueous
                                                 : State::solid;
}

State dissolvedUnlessInsoluble(const Ion& cation, const Ion& anion) {
  return isSolubleChar(cation, anion) == insoluble ? State::solid
                                                   : State::aqueous;
}

FormulaEquations derive(Equation e) {
  // Every reaction a type poses has one smallest set of coefficients; any
  // other outcome would be a wrong answer, never shown.
  require(balance(e) == Balance::unique,
          "a reaction's own equation balances in one way");
  FormulaEquations all;
  if (splitsIntoIons(e)) {
    all.complete = completeIonic(e);
    all.net = netIonic(*all.complete);
  }
  all.formula = std::move(e);
  return all;
}

FormulaEquations noReaction(std::vector<Term> reactants) {
  FormulaEquations none;
  none.formula = Equation{std::move(reactants), {}, true};
  return none;
}

}  // namespace terms
