// What the formula and solubility questions share: the ions they may name,
// and the compound questions' draw.
#ifndef REACTION_DRILL_QUIZ_COMPOUND_QUESTION_H_
#define REACTION_DRILL_QUIZ_COMPOUND_QUESTION_H_

#include <string>
#include <utility>

#include "ion.h"

// Plain "iron" could be iron(II) or iron(III): a name that does not say
// which of the element's charges the catalogue means. No formula or
// solubility question names one.
bool hidesItsCharge(const Ion& i);

// A cation and an anion for a compound question, drawn again together
// until `askable` takes them, so every pair it takes stays as likely as any
// other.
template <typename Askable>
std::pair<Ion, Ion> drawCompound(Askable askable) {
  for (;;) {
    Ion cation = randomPos();
    Ion anion = randomNeg();
    if (!hidesItsCharge(cation) && askable(cation, anion)) {
      return {std::move(cation), std::move(anion)};
    }
  }
}

// "Compound: aluminium sulfate".
std::string compoundLine(const Ion& cation, const Ion& anion);

#endif  // REACTION_DRILL_QUIZ_COMPOUND_QUESTION_H_
