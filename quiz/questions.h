// The kinds of quiz question: drawing one, asking it and marking the typed
// answer, a formula or a solubility with the ion model's own checks, a
// whole equation term by term.
#ifndef REACTION_DRILL_QUIZ_QUESTIONS_H_
#define REACTION_DRILL_QUIZ_QUESTIONS_H_

#include <ostream>
#include <string>
#include <string_view>

#include "equation.h"
#include "ion.h"

// Question types, as numbered in the menu.
inline constexpr unsigned ionFormula = 1;        // one ion, with its charge
inline constexpr unsigned compoundFormula = 2;   // a cation with an anion
inline constexpr unsigned solubility = 3;        // does the compound dissolve
inline constexpr unsigned formulaEquation = 4;   // a reaction's equation
inline constexpr unsigned netIonicEquation = 5;  // and its net ionic one
inline constexpr unsigned questionTypes = 5;

// The names of the types as the quiz's menu lists them; 0 is random.
inline constexpr std::string_view questionTypeNames[questionTypes + 1] = {
    "random",
    "ion formulas (with charge)",
    "compound formulas",
    "solubility of compounds",
    "formula equations",
    "net ionic equations",
};

struct Question {
  unsigned type = ionFormula;
  Ion single;  // the ion of an ion formula question
  Ion cation;  // the compound of a compound or solubility question
  Ion anion;
  std::string reactants;  // an equation question's reactants, in words
  Equation equation;      // and the equation it asks for
};

// A fresh question of `type`. No formula or solubility question names an
// ion whose name hides its charge (plain "iron" or "copper"), and a
// solubility question is never about a pair whose solubility the rules
// cannot tell. An equation question draws a reaction as the drill's random
// mode does, and asks for its formula equation, or its net ionic equation
// where it has one.
// REQUIRES: 1 <= type <= questionTypes.
Question drawQuestion(unsigned type);

// What is asked: "Ion: beryllium", "Compound: ammonium bromide",
// "Reactants: nitric acid + zinc carbonate".
std::string questionLine(const Question& q);

// What the answer is asked for with: "Formula:", "Soluble? (y/n):",
// "Equation:" or "Net ionic:".
std::string_view answerPrompt(const Question& q);

// What the student sees: the question line, then the prompt for the answer
// and a blank, without a line break.
std::string promptFor(const Question& q);

// The right answer, as the verdicts name it: "Be2+", "NH4Br", "soluble",
// "2HCl(aq) + Zn(s) -> H2(g) + ZnCl2(aq)".
std::string rightAnswer(const Question& q);

// Writes the verdict line to `out`; true only for a fully right answer.
bool markAnswer(const Question& q, std::string_view answer, std::ostream& out);

#endif  // REACTION_DRILL_QUIZ_QUESTIONS_H_
