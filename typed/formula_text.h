// Lines the programs write in plain ASCII about chemistry, such as reasons
// and hints, with each formula in them written in HTML as the equations
// write formulas: subscripts, charges and a name a screen reader reads one
// way only. A formula is found as the quiz reads a typed one, so "CO3 2-"
// and "SO42-(aq)" are the ions the quiz would take them for.
#ifndef REACTION_DRILL_TYPED_FORMULA_TEXT_H_
#define REACTION_DRILL_TYPED_FORMULA_TEXT_H_

#include <string_view>

#include "rich.h"

// `line` as it is, and in HTML: escaped, its arrows as arrows, and each
// word that reads as a term (with coefficient, charge and state) and looks
// like a formula rather than a word written as a formula. A formula looks
// so when it is made of element symbols and has a digit, a charge, a state
// or two symbols: "NiS", "Mn2+", "H2O(l)", but not "Al" or "No".
Rich formulaText(std::string_view line);

#endif  // REACTION_DRILL_TYPED_FORMULA_TEXT_H_
