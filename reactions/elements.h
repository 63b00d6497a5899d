// Free elements for the reaction types that need a metal or a nonmetal
// rather than an ion, drawn from the ion catalogue.
#ifndef REACTION_DRILL_REACTIONS_ELEMENTS_H_
#define REACTION_DRILL_REACTIONS_ELEMENTS_H_

#include <string>
#include <string_view>
#include <vector>

#include "equation.h"
#include "ion.h"

// The element form, with its state, of the nonmetal randomNonmetal last
// drew, such as "chlorine gas"; empty before the first draw. A view of the
// table's text, so that it needs no construction: a session made before
// main may draw a nonmetal before a string here would be built.
extern std::string_view nonmetal;

// A nonmetal as a free element, and the anion it forms.
struct NonmetalElement {
  std::string_view anion;    // the anion's formula: "Cl"
  std::string_view element;  // in words, with its usual state: "chlorine gas"
  std::string_view formula;  // of the free element: "Cl2"
  State state;               // of the free element, as `element` names it
};

// The free element of `anion`, or null for an anion with none.
const NonmetalElement* nonmetalElement(const Ion& anion);

// The free element whose formula is `formula` ("Cl2"), or null.
const NonmetalElement* nonmetalElementOf(std::string_view formula);

// The element's name alone, without its state: "chlorine".
std::string_view elementWord(const NonmetalElement& e);

// The anions of every nonmetal with a free element, the halogens first.
std::vector<Ion> nonmetalAnions();

// Whether `i` is a metal randomMetal can draw: a single-element cation whose
// name shows no charge.
bool isFreeMetal(const Ion& i);

// The state of a free metal at room temperature.
State metalState(const Ion& metal);

// A random metal: a single-element cation whose name shows no charge, so
// "iron" but never "iron(II)", and never ammonium.
Ion randomMetal();

// Whether `i` is a free metal of the activity series; the others have no
// rank to compare.
bool isRankedMetal(const Ion& i);

// A random free metal of the activity series: the first randomMetal()
// draws that is one.
Ion rankedMetal();

// A random single-element anion, such as chloride; sets `nonmetal` to the
// element it comes from ("chlorine gas").
Ion randomNonmetal();

#endif  // REACTION_DRILL_REACTIONS_ELEMENTS_H_
