// A picture of the particles of a reaction: the beaker before and after, as
// one SVG element with a text alternative, drawn from the terms of a
// balanced complete ionic equation and nothing else, as any other writer of
// an equation. Each dissolved ion is a circle, cations and anions in two
// colours; a dissolved molecule, or one in a gas, a joined pair of circles;
// a solid a pile at the bottom in its colour; a gas formed in water bubbles
// leaving it; water the liquid itself; a free metal a strip in water, and
// the coating of a metal deposited on it, or a lump. Spectator ions stand
// in the same places before and after, marked; where nothing reacts, the
// two beakers are the same and the picture says so. An electrolysis shows
// its two electrodes, each with what forms at it; a melt is drawn as a hot
// liquid.
#ifndef REACTION_DRILL_EQUATIONS_EQUATION_PICTURE_H_
#define REACTION_DRILL_EQUATIONS_EQUATION_PICTURE_H_

#include <functional>
#include <string>
#include <vector>

#include "equation.h"

// What a picture needs of a species beyond its term, which the equation
// library cannot know: its name, the colour of its solid, and whether it
// is a metal.
struct SpeciesLook {
  std::string name;    // in words, an ion's without "ions": "silver"
  std::string colour;  // of the solid, in words; empty where none is said
  bool metal = false;  // a free metal
};

using LookUp = std::function<SpeciesLook(const Term& t)>;

// What forms at each electrode of an electrolysis: the products of its
// half-equation, electrons aside, which is no particle in the beaker.
struct Electrodes {
  std::vector<Term> cathode;
  std::vector<Term> anode;
};

// The picture of `complete`: an <svg> element with role="img", whose
// aria-label says in words what it shows. Each species is a <g
// class="species"> with its formula, charge, count and whether it is a
// spectator as data attributes, holding one shape of class "p" per particle
// drawn (none for water, which is the liquid). A side of more than 18
// particles is drawn at about one shape for several, and says so.
// With `electrodes`, the products each names stand at that electrode.
// REQUIRES: `complete` is balanced, or a no reaction with its reactants
// split into ions.
std::string particlePicture(const Equation& complete, const LookUp& look,
                            const Electrodes* electrodes = nullptr);

// The name of the free metal among `reactants` that a metal formed would
// coat, or empty.
std::string metalPutIn(const std::vector<Term>& reactants, const LookUp& look);

#endif  // REACTION_DRILL_EQUATIONS_EQUATION_PICTURE_H_
