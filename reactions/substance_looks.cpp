// The names and looks of the substances of an equation, from the ion model.
#include <string>
#include <string_view>
#include <vector>

#include "elements.h"
#include "sight.h"
#include "words.h"

namespace {

// Molecules that no ion and no free element of the model names.
struct MoleculeName {
  std::string_view formula;
  State state;
  std::string_view name;
};
// clang-format off
constexpr MoleculeName moleculeNames[] = {
    // formula  state          name
    {"H2O",     State::liquid, "water"},
    {"H2O",     State::gas,    "water vapour"},
    {"H2",      State::gas,    "hydrogen"},
    {"CO2",     State::gas,    "carbon dioxide"},
};
// clang-format on

// The catalogue's ion of `formula` and `charge`, the first it lists, or
// the hydrogen ion, or null.
const Ion* ionOf(std::string_view formula, int charge) {
  const Ion& hydrogen = hydrogenIon();
  if (formula == hydrogen.formula && charge == signedCharge(hydrogen)) {
    return &hydrogen;
  }
  for (const Ion& i : catalogue()) {
    if (i.formula == formula && signedCharge(i) == charge) return &i;
  }
  return nullptr;
}

// A molecule's formula and its name.
struct Named {
  std::string formula;
  std::string name;
};

// The weak acids and the weak base, as molecules, with their names: the
// same every time, so listed once.
const std::vector<Named>& weakMolecules() {
  static const std::vector<Named> all = [] {
    std::vector<Named> found;
    const Ion* base = ionOf(chemistry::weakBaseCation, 1);
    forEachIon(role::anion, [&](const Ion& anion) {
      if (isWeakAcid(anion)) {
        found.push_back(
            {makeFormula(hydrogenIon(), anion), words::acid(anion)});
      }
      if (base != nullptr && isWeakBase(*base, anion)) {
        found.push_back(
            {makeFormula(*base, anion), words::compound(*base, anion)});
      }
    });
    return found;
  }();
  return all;
}

// The weak acid or the weak base whose molecule is `formula`, in words, or
// empty.
std::string weakName(std::string_view formula) {
  for (const Named& m : weakMolecules()) {
    if (m.formula == formula) return m.name;
  }
  return {};
}

std::string tabledName(const Term& t) {
  for (const MoleculeName& m : moleculeNames) {
    if (m.formula == t.formula && m.state == t.state) {
      return std::string(m.name);
    }
  }
  if (const NonmetalElement* e = nonmetalElementOf(t.formula)) {
    return std::string(elementWord(*e));
  }
  const std::string weak = weakName(t.formula);
  return weak.empty() ? t.formula : weak;
}

SpeciesLook moleculeLook(const Term& t) {
  const chemistry::CatalogueRow* row = catalogueIonWithFormula(t.formula);
  if (row != nullptr && !row->polyatomic) {
    return {elementName(t.formula), std::string(colourOf(t.formula)), true};
  }
  return {tabledName(t), std::string(colourOf(t.formula)), false};
}

}  // namespace

SpeciesLook speciesLook(const Term& t) {
  if (t.charge != 0) {
    const Ion* i = ionOf(t.formula, t.charge);
    return {i != nullptr ? ionName(*i) : t.formula, {}, false};
  }
  if (t.ions) {
    const Ion* cation = ionOf((*t.ions)[0].formula, (*t.ions)[0].charge);
    const Ion* anion = ionOf((*t.ions)[1].formula, (*t.ions)[1].charge);
    const std::string name = cation != nullptr && anion != nullptr
                                 ? words::compound(*cation, *anion)
                                 : t.formula;
    return {name, std::string(colourOf(t.formula)), false};
  }
  return moleculeLook(t);
}

namespace {

// The products of a half-equation, without its electrons.
std::vector<Term> formedIn(const Equation& half) {
  std::vector<Term> formed;
  for (const Term& t : half.products) {
    if (!isElectron(t)) formed.push_back(t);
  }
  return formed;
}

}  // namespace

std::string reactionPicture(const Reaction& r) {
  return reactionPicture(formulaEquations(r));
}

std::string reactionPicture(const FormulaEquations& f) {
  const Equation complete = completeIonic(f.formula);
  if (!f.cathode || !f.anode) return particlePicture(complete, speciesLook);
  const Electrodes at{formedIn(*f.cathode), formedIn(*f.anode)};
  return particlePicture(complete, speciesLook, &at);
}
