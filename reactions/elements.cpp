#include "elements.h"

#include <string_view>

std::string nonmetal;

namespace {

struct NonmetalElement {
  std::string_view formula;  // of the anion
  std::string_view element;  // the free element, with its usual state
};

// clang-format off
constexpr NonmetalElement nonmetalElements[] = {
    // anion  element
    {"I",     "iodine solid"},
    {"Br",    "bromine liquid"},
    {"N",     "nitrogen gas"},
    {"O",     "oxygen gas"},
    {"F",     "fluorine gas"},
    {"P",     "phosphorus solid"},
    {"S",     "sulfur solid"},
    {"Cl",    "chlorine gas"},
};
// clang-format on

const NonmetalElement* elementOf(const Ion& anion) {
  for (const NonmetalElement& e : nonmetalElements) {
    if (e.formula == anion.formula) return &e;
  }
  return nullptr;
}

}  // namespace

Ion randomMetal() {
  Ion metal = randomPos();
  // "iron(II)" names an ion; the free element is plain "iron".
  while (metal.polyatomic || namesItsCharge(metal)) metal = randomPos();
  return metal;
}

Ion randomNonmetal() {
  for (;;) {
    Ion anion = randomNeg();
    if (const NonmetalElement* e = elementOf(anion)) {
      nonmetal = e->element;
      return anion;
    }
  }
}
