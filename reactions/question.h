// The question frame: makeQuestion draws one reaction question of a given
// type and publishes it in four process-wide texts for the console to print.
#ifndef REACTION_DRILL_REACTIONS_QUESTION_H_
#define REACTION_DRILL_REACTIONS_QUESTION_H_

#include <string>

// The last question made; every call of makeQuestion replaces all four.
extern std::string question;
extern std::string qtype;
extern std::string products;
extern std::string ionic;

// The number of reaction types; makeQuestion makes questions of types 1 to
// this.
inline constexpr unsigned reactionTypes = 8;

// Makes a random question of reaction type `q`:
//   1 acid + base, 2 acid + carbonate, 3 acid + reactive metal,
//   4 water + reactive metal, 5 metal + nonmetal, 6 precipitation,
//   7 single displacement, 8 combustion.
// Any other `q` sets question, qtype and products to "<an error occurred>"
// and leaves ionic empty.
// REQUIRES: the ion catalogue is filled (initIons).
void makeQuestion(unsigned q);

#endif  // REACTION_DRILL_REACTIONS_QUESTION_H_
