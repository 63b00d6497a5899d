// What the two equation questions share: a reaction drawn as the drill's
// random mode draws it, and the equation asked of it.
#ifndef REACTION_DRILL_QUIZ_EQUATION_QUESTION_H_
#define REACTION_DRILL_QUIZ_EQUATION_QUESTION_H_

#include "equation_marking.h"
#include "quiz_types.h"
#include "reaction_types.h"

// A reaction of any of the drill's types, each as likely as in its random
// mode.
Reaction drawAnyReaction();

// The question of `reaction` that asks for `equation`, one of `all`, its
// formula equations, with `prompt`.
QuizQuestion askEquation(const Reaction& reaction, const FormulaEquations& all,
                         AskedEquation equation, std::string_view prompt);

#endif  // REACTION_DRILL_QUIZ_EQUATION_QUESTION_H_
