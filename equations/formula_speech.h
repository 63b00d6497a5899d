// Formulas as a screen reader should read them out, for the accessible
// name of every formula on a page: each element symbol a word, each count
// and charge a number, the state in words, so that "SO4 2-(aq)" reads as
// "S O 4, 2 minus, aqueous" and 2N3- ("2 N, 3 minus") never sounds like
// azide ("N 3, minus"), nor Co like CO.
#ifndef REACTION_DRILL_EQUATIONS_FORMULA_SPEECH_H_
#define REACTION_DRILL_EQUATIONS_FORMULA_SPEECH_H_

#include <string>
#include <string_view>

#include "equation.h"

// "Al 2 open bracket S O 4 close bracket 3" for Al2(SO4)3, then the charge
// if any: "S O 4, 2 minus".
// REQUIRES: `formula` holds letters, digits and brackets only.
std::string spokenFormula(std::string_view formula, int charge = 0);

// The term with its coefficient and, with `withState`, its state: "3 Cu, 2
// plus, aqueous".
std::string spokenTerm(const Term& t, bool withState);

#endif  // REACTION_DRILL_EQUATIONS_FORMULA_SPEECH_H_
