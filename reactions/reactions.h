// The eight reaction types. Each type has a record of the reactants it
// draws, a draw function that takes them at random from the catalogue (by
// rejection, in a fixed order, so a seed reproduces a question), and a pure
// compose function that writes the four texts from them.
#ifndef REACTION_DRILL_REACTIONS_REACTIONS_H_
#define REACTION_DRILL_REACTIONS_REACTIONS_H_

#include <string>
#include <string_view>

#include "ion.h"

// The four texts of one question, as a reaction type writes them.
struct QuestionTexts {
  std::string question;  // the reactants in words
  std::string qtype;     // the reaction-type caption, or why nothing reacts
  std::string products;  // every product, spectators included
  std::string ionic;     // the net ionic answer, or a no-reaction text
};

// 1. An acid and a hydroxide or oxide: salt and water.
struct AcidBase {
  Ion an;  // the acid's anion
  Ion rp;  // the base's cation
  Ion rn;  // hydroxide or oxide
};

// 2. An acid and a carbonate: salt, water and carbon dioxide.
struct AcidCarbonate {
  Ion an;  // the acid's anion
  Ion rp;  // the carbonate's cation
  Ion rn;  // carbonate or bicarbonate
};

// 3. A metal put into an acid: hydrogen and a salt, if the metal is reactive
// enough.
struct AcidMetal {
  Ion an;  // the acid's anion
  Ion rp;  // the metal, one in the activity series
};

// 4. A metal put into water: hydrogen and the hydroxide, if the metal is
// reactive enough.
struct WaterMetal {
  Ion rp;  // the metal, at least as reactive as zinc
};

// 5. A metal and a nonmetal combine to a salt.
struct MetalNonmetal {
  Ion rp;               // the metal
  Ion rn;               // the nonmetal's anion
  std::string element;  // the nonmetal as an element: "chlorine gas"
};

// 6. Two salt solutions mixed: a precipitate, or none.
struct Precipitation {
  Ion ap, an;  // salt A
  Ion bp, bn;  // salt B, sharing neither ion formula with salt A
};

// 7. A metal put into the solution of another metal's salt.
struct Displacement {
  Ion rp;  // the free metal
  Ion ep;  // the dissolved metal, a different element
  Ion en;  // the dissolved salt's anion
};

// 8. A fuel of carbon, hydrogen and possibly oxygen burnt in air.
struct Fuel {
  int numc;  // carbon atoms, 1 to 6
  int numo;  // oxygen atoms, 0 to numc - 1
  int numh;  // hydrogen atoms, 2 to 2 * numc - numo + 1
};

AcidBase drawAcidBase();
AcidCarbonate drawAcidCarbonate();
AcidMetal drawAcidMetal();
WaterMetal drawWaterMetal();
MetalNonmetal drawMetalNonmetal();  // also sets `nonmetal`
Precipitation drawPrecipitation();
Displacement drawDisplacement();
Fuel drawFuel();

// What the draws accept, one test per redraw rule, so that a program can
// enumerate every question a type can draw.

// A free metal of the activity series, as types 3 and 7 draw it.
bool isRankedMetal(const Ion& i);
// A free metal at least as reactive as zinc, as type 4 draws it.
bool isWaterMetal(const Ion& i);
// A salt types 6 and 7 draw as a solution: any that is not insoluble.
bool isDrawnDissolved(const Ion& cation, const Ion& anion);
// Salt B of type 6 brings a new cation and a new anion to salt A.
bool canExchangeIons(const Precipitation& r);
// The dissolved metal of type 7 is a different element from the free one.
bool isOtherMetal(const Ion& dissolved, const Ion& free);

QuestionTexts compose(const AcidBase& r);
QuestionTexts compose(const AcidCarbonate& r);
QuestionTexts compose(const AcidMetal& r);
QuestionTexts compose(const WaterMetal& r);
QuestionTexts compose(const MetalNonmetal& r);
QuestionTexts compose(const Precipitation& r);
QuestionTexts compose(const Displacement& r);
QuestionTexts compose(const Fuel& f);

// Whether the free metal `metal` displaces the dissolved metal `dissolved`:
// only a more reactive one does.
bool displaces(const Ion& metal, const Ion& dissolved);

// The fuel's formula: "C2H4O".
std::string fuelFormula(const Fuel& f);
// The fuel's state at room temperature, in words: "gas", "liquid" or
// "solid".
std::string_view fuelState(const Fuel& f);

#endif  // REACTION_DRILL_REACTIONS_REACTIONS_H_
