// The three kinds of quiz question: drawing one, asking it and marking the
// typed answer with the ion model's own checks.
#ifndef REACTION_DRILL_QUIZ_QUESTIONS_H_
#define REACTION_DRILL_QUIZ_QUESTIONS_H_

#include <ostream>
#include <string>
#include <string_view>

#include "ion.h"

// Question types, as numbered in the menu.
inline constexpr unsigned ionFormula = 1;       // one ion, with its charge
inline constexpr unsigned compoundFormula = 2;  // a cation with an anion
inline constexpr unsigned solubility = 3;       // does the compound dissolve
inline constexpr unsigned questionTypes = 3;

struct Question {
  unsigned type = ionFormula;
  Ion single;  // the ion of an ion formula question
  Ion cation;  // the compound of the other two types
  Ion anion;
};

// A fresh question of `type`. No question names an ion whose name hides its
// charge (plain "iron" or "copper"), and a solubility question is never
// about a pair whose solubility the rules cannot tell.
// REQUIRES: 1 <= type <= questionTypes.
Question drawQuestion(unsigned type);

// What the student sees: the name line, then the prompt for the answer
// without a line break.
std::string promptFor(const Question& q);

// Writes the verdict line to `out`; true only for a fully right answer.
bool markAnswer(const Question& q, std::string_view answer, std::ostream& out);

#endif  // REACTION_DRILL_QUIZ_QUESTIONS_H_
