// What a reaction looks like, at the two levels besides its equation: what
// a class would see in the laboratory, and the particles in the beaker.
// Both are written from the terms of the formula equation alone, with the
// ion model's names and the colours of its solids (ion_colours.h), never
// from a reaction type's own words.
#ifndef REACTION_DRILL_REACTIONS_SIGHT_H_
#define REACTION_DRILL_REACTIONS_SIGHT_H_

#include <string>

#include "equation.h"
#include "equation_picture.h"
#include "reaction_types.h"

// The name, the colour of the solid and whether it is a free metal, of the
// species of `t`: "copper(II) hydroxide", "blue"; an ion's name without
// "ions" ("silver"); a molecule's by the ion model ("hydrofluoric acid",
// "chlorine", "zinc") or a short table ("carbon dioxide"), and any other by
// its formula.
SpeciesLook speciesLook(const Term& t);

// What a class would see as the reaction of `f` takes place, as one line:
// "You would see: fizzing; the gas is hydrogen.", "... a blue precipitate
// of copper(II) hydroxide.", "... a coating of copper on the zinc.", and
// "no change" where nothing reacts. A gas formed in water fizzes; a halogen
// set free in water colours it; a solid formed is a precipitate in water,
// a solid otherwise (what a solid heated turns into), and a metal formed
// where a metal was put in coats it; where nothing solid forms, a solid
// put in dissolves; oxygen that leaves only gases burns with a flame. In an
// electrolysis, what forms at each electrode, from its half-equation. A
// colour is said only where a colour table has one.
std::string seenLine(const FormulaEquations& f);

// The particle picture of a drawn reaction, as equation_picture.h draws it
// from its complete ionic equation.
std::string reactionPicture(const Reaction& r);

// The same, from the reaction's formula equations `f`.
std::string reactionPicture(const FormulaEquations& f);

#endif  // REACTION_DRILL_REACTIONS_SIGHT_H_
