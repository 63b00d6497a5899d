// The question frame: a reaction of any of the eight types, drawn at random
// and written out; and makeQuestion, which publishes the texts of one in
// four process-wide texts.
#ifndef REACTION_DRILL_REACTIONS_QUESTION_H_
#define REACTION_DRILL_REACTIONS_QUESTION_H_

#include <string>
#include <string_view>
#include <variant>

#include "formulas.h"
#include "reactions.h"

// The number of reaction types, numbered from 1:
//   1 acid + base, 2 acid + carbonate, 3 acid + reactive metal,
//   4 water + reactive metal, 5 metal + nonmetal, 6 precipitation,
//   7 single displacement, 8 combustion.
inline constexpr unsigned reactionTypes = 8;

// The names of the types as the drill's menu lists them; 0 is random.
inline constexpr std::string_view reactionTypeNames[reactionTypes + 1] = {
    "random",
    "acid + base",
    "acid + carbonate",
    "acid + reactive metal",
    "water + reactive metal",
    "metal + nonmetal -> salt",
    "precipitation",
    "single displacement",
    "combustion (burning in air)",
};

// The reactants of one question, of whichever type.
using Reaction = std::variant<AcidBase, AcidCarbonate, AcidMetal, WaterMetal,
                              MetalNonmetal, Precipitation, Displacement, Fuel>;

// Draws the reactants of a question of reaction type `type`.
// REQUIRES: 1 <= type <= reactionTypes; the ion catalogue is filled.
Reaction drawReaction(unsigned type);

// The four texts of a drawn reaction.
QuestionTexts compose(const Reaction& r);

// The formula equations of a drawn reaction.
FormulaEquations formulaEquations(const Reaction& r);

// The last question made; every call of makeQuestion replaces all four.
extern std::string question;
extern std::string qtype;
extern std::string products;
extern std::string ionic;

// Makes a random question of reaction type `q`. Any other `q` than 1 to
// reactionTypes sets question, qtype and products to "<an error occurred>"
// and leaves ionic empty.
// REQUIRES: the ion catalogue is filled (initIons).
void makeQuestion(unsigned q);

#endif  // REACTION_DRILL_REACTIONS_QUESTION_H_
