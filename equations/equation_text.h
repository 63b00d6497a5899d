// Equations written as plain ASCII text, as the console shows them.
#ifndef REACTION_DRILL_EQUATIONS_EQUATION_TEXT_H_
#define REACTION_DRILL_EQUATIONS_EQUATION_TEXT_H_

#include <string>

#include "equation.h"

// "2HCl(aq) + Zn(s) -> H2(g) + Zn2+(aq)", or "HCl(aq) + Cu(s) -> no
// reaction".
std::string ascii(const Equation& e);

// ascii(e) appended to `line`.
void appendAscii(std::string& line, const Equation& e);

#endif  // REACTION_DRILL_EQUATIONS_EQUATION_TEXT_H_
