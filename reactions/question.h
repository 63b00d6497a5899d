// The question frame: makeQuestion, which draws a question of one reaction
// type and publishes its texts in four process-wide texts. No program uses
// it: sessions draw with drawReaction and compose. It is kept for the tests
// and the benchmark, which time and check one question at a time through
// it, and it draws from the process-wide generator that seedChance starts.
#ifndef REACTION_DRILL_REACTIONS_QUESTION_H_
#define REACTION_DRILL_REACTIONS_QUESTION_H_

#include <string>

#include "reaction_types.h"

// The last question made; every call of makeQuestion replaces all four.
extern std::string question;
extern std::string qtype;
extern std::string products;
extern std::string ionic;

// Makes a random question of reaction type `q`. Any other `q` than 1 to
// reactionTypes sets question, qtype and products to "<an error occurred>"
// and leaves ionic empty. REQUIRES: seedChance has run.
void makeQuestion(unsigned q);

#endif  // REACTION_DRILL_REACTIONS_QUESTION_H_
