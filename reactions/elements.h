// Free elements for the reaction types that need a metal or a nonmetal
// rather than an ion, drawn from the ion catalogue.
#ifndef REACTION_DRILL_REACTIONS_ELEMENTS_H_
#define REACTION_DRILL_REACTIONS_ELEMENTS_H_

#include <string>

#include "ion.h"

// The element form, with its state, of the nonmetal randomNonmetal last
// drew, such as "chlorine gas"; empty before the first draw.
extern std::string nonmetal;

// A random metal: a single-element cation whose name shows no charge, so
// "iron" but never "iron(II)", and never ammonium.
Ion randomMetal();

// A random single-element anion, such as chloride; sets `nonmetal` to the
// element it comes from ("chlorine gas").
Ion randomNonmetal();

#endif  // REACTION_DRILL_REACTIONS_ELEMENTS_H_
