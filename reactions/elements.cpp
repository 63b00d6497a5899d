#include "elements.h"

#include <string_view>

std::string_view nonmetal;

namespace {

// In the order a teacher lists them: the halogens, then by group.
// clang-format off
constexpr NonmetalElement nonmetalElements[] = {
    // anion  element             formula  state
    {"F",     "fluorine gas",     "F2",    State::gas},
    {"Cl",    "chlorine gas",     "Cl2",   State::gas},
    {"Br",    "bromine liquid",   "Br2",   State::liquid},
    {"I",     "iodine solid",     "I2",    State::solid},
    {"O",     "oxygen gas",       "O2",    State::gas},
    {"S",     "sulfur solid",     "S",     State::solid},
    {"N",     "nitrogen gas",     "N2",    State::gas},
    {"P",     "phosphorus solid", "P",     State::solid},
};
// clang-format on

}  // namespace

std::vector<Ion> nonmetalAnions() {
  std::vector<Ion> anions;
  for (const NonmetalElement& e : nonmetalElements) {
    forEachIon(role::anion, [&](const Ion& i) {
      if (i.formula == e.anion) anions.push_back(i);
    });
  }
  return anions;
}

const NonmetalElement* nonmetalElement(const Ion& anion) {
  for (const NonmetalElement& e : nonmetalElements) {
    if (e.anion == anion.formula) return &e;
  }
  return nullptr;
}

const NonmetalElement* nonmetalElementOf(std::string_view formula) {
  for (const NonmetalElement& e : nonmetalElements) {
    if (e.formula == formula) return &e;
  }
  return nullptr;
}

std::string_view elementWord(const NonmetalElement& e) {
  return e.element.substr(0, e.element.find(' '));
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
