#include "elements.h"

#include <string_view>

std::string nonmetal;

namespace {

// clang-format off
constexpr NonmetalElement nonmetalElements[] = {
    // anion  element             formula  state
    {"I",     "iodine solid",     "I2",    State::solid},
    {"Br",    "bromine liquid",   "Br2",   State::liquid},
    {"N",     "nitrogen gas",     "N2",    State::gas},
    {"O",     "oxygen gas",       "O2",    State::gas},
    {"F",     "fluorine gas",     "F2",    State::gas},
    {"P",     "phosphorus solid", "P",     State::solid},
    {"S",     "sulfur solid",     "S",     State::solid},
    {"Cl",    "chlorine gas",     "Cl2",   State::gas},
};
// clang-format on

}  // namespace

const NonmetalElement* nonmetalElement(const Ion& anion) {
  for (const NonmetalElement& e : nonmetalElements) {
    if (e.anion == anion.formula) return &e;
  }
  return nullptr;
}

// "iron(II)" names an ion; the free element is plain "iron".
bool isFreeMetal(const Ion& i) {
  return !i.isAnion() && !i.polyatomic && !namesItsCharge(i);
}

State metalState(const Ion& metal) {
  // Mercury is the one metal of the catalogue that is liquid.
  return metal.formula == "Hg" ? State::liquid : State::solid;
}

// Redrawing randomPos() until it gives a free metal draws the same
// positions as drawing them until one is a free metal; this spares a copy
// of every cation passed over.
Ion randomMetal() { return drawIon(isFreeMetal); }

bool isRankedMetal(const Ion& i) {
  return isFreeMetal(i) && reactivity(i.formula) != 0;
}

Ion rankedMetal() { return drawIon(isRankedMetal); }

Ion randomNonmetal() {
  for (;;) {
    Ion anion = randomNeg();
    if (const NonmetalElement* e = nonmetalElement(anion)) {
      nonmetal = e->element;
      return anion;
    }
  }
}
