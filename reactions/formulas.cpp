#include "formulas.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "elements.h"

namespace {

int signedCharge(const Ion& i) { return i.sign ? -i.valency : i.valency; }

Constituent constituent(const Ion& i, const Ion& partner) {
  return {i.formula, signedCharge(i), i.getSubscript(partner)};
}

// A compound of `cation` and `anion`, as makeFormula writes it.
Term compound(const Ion& cation, const Ion& anion, State state) {
  return {1, makeFormula(cation, anion), 0, state,
          std::array<Constituent, 2>{constituent(cation, anion),
                                     constituent(anion, cation)}};
}

// An acid is written as the compound of hydrogen ions and its anion.
Term acid(const Ion& anion) {
  static const Ion hydrogen("hydrogen", "H", false, 1, false, "");
  return compound(hydrogen, anion, State::aqueous);
}

Term molecule(std::string formula, State state) {
  return {1, std::move(formula), 0, state, std::nullopt};
}

Term metal(const Ion& i) { return molecule(i.formula, metalState(i)); }
Term water(State state = State::liquid) { return molecule("H2O", state); }
Term hydrogenGas() { return molecule("H2", State::gas); }
Term carbonDioxide() { return molecule("CO2", State::gas); }

template <typename... Terms>
std::vector<Term> side(Terms&&... terms) {
  std::vector<Term> all;
  all.reserve(sizeof...(terms));
  (all.push_back(std::forward<Terms>(terms)), ...);
  return all;
}

// Where a word answer names only soluble salts as ions: a salt with no rule
// is written whole.
State dissolvedIfSoluble(const Ion& cation, const Ion& anion) {
  return isSolubleChar(cation, anion) == soluble ? State::aqueous
                                                 : State::solid;
}

// Where a word answer writes only insoluble salts whole: a salt with no rule
// counts as dissolved.
State dissolvedUnlessInsoluble(const Ion& cation, const Ion& anion) {
  return isSolubleChar(cation, anion) == insoluble ? State::solid
                                                   : State::aqueous;
}

// Balances `e` and writes its ionic equations if anything dissolves.
FormulaEquations derive(Equation e) {
  balance(e);
  FormulaEquations all;
  if (splitsIntoIons(e)) {
    all.complete = completeIonic(e);
    all.net = netIonic(*all.complete);
  }
  all.formula = std::move(e);
  return all;
}

FormulaEquations noReaction(std::vector<Term> reactants) {
  return {Equation{std::move(reactants), {}, true}, std::nullopt, std::nullopt};
}

// An acid with a base or carbonate of `rp` and `rn`: the salt, then `rest`.
template <typename... Rest>
FormulaEquations neutralisation(const Ion& an, const Ion& rp, const Ion& rn,
                                Rest&&... rest) {
  return derive({side(acid(an), compound(rp, rn, dissolvedIfSoluble(rp, rn))),
                 side(compound(rp, an, dissolvedIfSoluble(rp, an)),
                      std::forward<Rest>(rest)...)});
}

State stateNamed(std::string_view word) {
  if (word == "gas") return State::gas;
  return word == "liquid" ? State::liquid : State::solid;
}

}  // namespace

FormulaEquations formulaEquations(const AcidBase& r) {
  return neutralisation(r.an, r.rp, r.rn, water());
}

FormulaEquations formulaEquations(const AcidCarbonate& r) {
  return neutralisation(r.an, r.rp, r.rn, water(), carbonDioxide());
}

FormulaEquations formulaEquations(const AcidMetal& r) {
  if (!reactsWithAcid(r.rp.formula)) {
    return noReaction(side(acid(r.an), metal(r.rp)));
  }
  return derive(
      {side(acid(r.an), metal(r.rp)),
       side(hydrogenGas(),
            compound(r.rp, r.an, dissolvedUnlessInsoluble(r.rp, r.an)))});
}

FormulaEquations formulaEquations(const WaterMetal& r) {
  static const Ion hydroxide("hydroxide", "OH", true, 1, true, "");
  if (!reactsWithWater(r.rp.formula)) {
    return noReaction(side(water(), metal(r.rp)));
  }
  const State base = dissolvedUnlessInsoluble(r.rp, hydroxide);
  return derive({side(water(), metal(r.rp)),
                 side(hydrogenGas(), compound(r.rp, hydroxide, base))});
}

FormulaEquations formulaEquations(const MetalNonmetal& r) {
  const NonmetalElement* element = nonmetalElement(r.rn);
  if (element == nullptr) return {};
  return derive({side(metal(r.rp),
                      molecule(std::string(element->formula), element->state)),
                 side(compound(r.rp, r.rn, State::solid))});
}

FormulaEquations formulaEquations(const Precipitation& r) {
  // The reactants are solutions; a new salt with no rule counts as a
  // precipitate.
  std::vector<Term> reactants = side(compound(r.ap, r.an, State::aqueous),
                                     compound(r.bp, r.bn, State::aqueous));
  const State apbn = dissolvedIfSoluble(r.ap, r.bn);
  const State bpan = dissolvedIfSoluble(r.bp, r.an);
  if (apbn == State::aqueous && bpan == State::aqueous) {
    return noReaction(std::move(reactants));
  }
  return derive({std::move(reactants),
                 side(compound(r.ap, r.bn, apbn), compound(r.bp, r.an, bpan))});
}

FormulaEquations formulaEquations(const Displacement& r) {
  std::vector<Term> reactants =
      side(metal(r.rp), compound(r.ep, r.en, State::aqueous));
  if (!displaces(r.rp, r.ep)) return noReaction(std::move(reactants));
  // A new salt with no rule counts as dissolved.
  return derive(
      {std::move(reactants),
       side(metal(r.ep),
            compound(r.rp, r.en, dissolvedUnlessInsoluble(r.rp, r.en)))});
}

FormulaEquations formulaEquations(const Fuel& f) {
  return derive({side(molecule(fuelFormula(f), stateNamed(fuelState(f))),
                      molecule("O2", State::gas)),
                 side(carbonDioxide(), water(State::gas))});
}
