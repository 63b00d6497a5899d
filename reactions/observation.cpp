// What a class would see, from the states of an equation's terms.
#include <algorithm>
#include <string_view>
#include <vector>

#include "sight.h"
#include "text.h"

namespace {

bool names(const std::vector<Term>& side, const Term& t) {
  return std::any_of(side.begin(), side.end(), [&t](const Term& s) {
    return s.formula == t.formula && s.charge == t.charge;
  });
}

// The terms of `side` in `state` that the other side does not name: what
// forms, or what is used up.
std::vector<Term> changed(const std::vector<Term>& side,
                          const std::vector<Term>& other, State state) {
  std::vector<Term> found;
  for (const Term& t : side) {
    if (t.state == state && !names(other, t)) found.push_back(t);
  }
  return found;
}

// "a blue " before a solid's name, "an orange-red ", or "a " where no
// colour is said.
std::string aColoured(const SpeciesLook& look) {
  if (look.colour.empty()) return "a ";
  const bool vowel = isListed("a e i o u", look.colour.substr(0, 1));
  return (vowel ? "an " : "a ") + look.colour + " ";
}

// "the black " before a solid's name, or "the ".
std::string theColoured(const SpeciesLook& look) {
  return "the " + (look.colour.empty() ? "" : look.colour + " ");
}

// "fizzing; the gas is hydrogen", or out of water "a flame; the gases given
// off are carbon dioxide and water vapour".
void addGases(std::vector<std::string>& seen, const Equation& e, bool water) {
  std::vector<std::string> gases;
  for (const Term& t : changed(e.products, e.reactants, State::gas)) {
    gases.push_back(speciesLook(t).name);
  }
  if (gases.empty()) return;
  const bool one = gases.size() == 1;
  if (water) {
    seen.emplace_back("fizzing");
    seen.push_back((one ? "the gas is " : "the gases are ") + listed(gases));
    return;
  }
  const bool onlyGases =
      std::all_of(e.products.begin(), e.products.end(),
                  [](const Term& t) { return t.state == State::gas; });
  const Term oxygen{1, "O2", 0, State::gas, std::nullopt};
  if (onlyGases && names(e.reactants, oxygen)) seen.emplace_back("a flame");
  seen.push_back((one ? "the gas given off is " : "the gases given off are ") +
                 listed(gases));
}

// The one solid compound heated, where one turns into another out of
// water: "the green copper(II) carbonate turns into ".
std::string turning(const Equation& e, bool water) {
  const std::vector<Term> used = changed(e.reactants, e.products, State::solid);
  if (water || used.size() != 1 || !used[0].ions) return {};
  const SpeciesLook look = speciesLook(used[0]);
  return theColoured(look) + look.name + " turns into ";
}

// Each solid formed: a coating, a precipitate, or a solid. Whether any
// formed.
bool addSolids(std::vector<std::string>& seen, const Equation& e, bool water) {
  std::vector<std::string> solids;
  const std::string coated = metalPutIn(e.reactants, speciesLook);
  for (const Term& t : changed(e.products, e.reactants, State::solid)) {
    const SpeciesLook look = speciesLook(t);
    if (look.metal && !coated.empty()) {
      solids.push_back("a coating of " + look.name + " on the " + coated);
    } else if (water) {
      solids.push_back(aColoured(look) + "precipitate of " + look.name);
    } else {
      solids.push_back(aColoured(look) + "solid, " + look.name);
    }
  }
  if (!solids.empty()) seen.push_back(turning(e, water) + listed(solids));
  return !solids.empty();
}

// "the black copper(II) oxide dissolves": a solid compound put into water
// that leaves none behind.
void addDissolving(std::vector<std::string>& seen, const Equation& e) {
  std::vector<std::string> solids;
  for (const Term& t : changed(e.reactants, e.products, State::solid)) {
    const SpeciesLook look = speciesLook(t);
    if (!look.metal) solids.push_back(theColoured(look) + look.name);
  }
  if (solids.empty()) return;
  seen.push_back(listed(solids) +
                 (solids.size() == 1 ? " dissolves" : " dissolve"));
}

// "the solution turns orange as bromine forms", for a halogen set free in
// water.
void addColouredSolution(std::vector<std::string>& seen,
                         const std::vector<Term>& formed,
                         std::string_view where = {}) {
  for (const Term& t : formed) {
    const std::string_view colour = solutionColourOf(t.formula);
    if (t.state != State::aqueous || t.ions || colour.empty()) continue;
    seen.push_back("the solution turns " + std::string(colour) +
                   std::string(where) + " as " + speciesLook(t).name +
                   " forms");
  }
}

// What forms at an electrode, from its half-equation: "a coating of copper
// on the cathode", "bubbles of chlorine at the anode".
void addElectrode(std::vector<std::string>& seen, const Equation& half,
                  const std::string& electrode) {
  for (const Term& t : half.products) {
    if (isElectron(t) || t.formula == "H2O") continue;
    const SpeciesLook look = speciesLook(t);
    if (t.state == State::gas) {
      seen.push_back("bubbles of " + look.name + " at the " + electrode);
    } else if (look.metal) {
      seen.push_back(t.state == State::solid
                         ? "a coating of " + look.name + " on the " + electrode
                         : "molten " + look.name + " at the " + electrode);
    }
  }
  addColouredSolution(seen, half.products, " at the " + electrode);
}

std::vector<std::string> seen(const FormulaEquations& f) {
  const Equation& e = f.formula;
  if (e.noReaction) return {"no change"};
  std::vector<std::string> all;
  if (f.cathode && f.anode) {
    addElectrode(all, *f.cathode, "cathode");
    addElectrode(all, *f.anode, "anode");
    return all;
  }
  const bool water = standsInWater(e.reactants);  // a solution or water put in
  addGases(all, e, water);
  addColouredSolution(all, changed(e.products, e.reactants, State::aqueous));
  if (!addSolids(all, e, water) && water) addDissolving(all, e);
  if (all.empty()) all.emplace_back("no visible change");
  return all;
}

}  // namespace

std::string seenLine(const FormulaEquations& f) {
  return "You would see: " + joined(seen(f), "; ") + ".";
}
