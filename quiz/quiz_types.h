// quiz/: formula-quiz: its types of question, their marking, its session,
// worksheet, dialogue and command line. It includes reactions/, typed/,
// worksheets/, console/, cli/ and what they include.
//
// The types of quiz question, each in a file of its own that holds all of
// it: what it draws, what it asks, the right answer and how a typed answer
// is marked, and its entry in the manual. The table at the end is the one
// place that lists them; the dialogue, the worksheets, the browser page, the
// manual pages and the scripts (through session_ranges) take the count, the
// names and the page's openings from it.
#ifndef REACTION_DRILL_QUIZ_QUIZ_TYPES_H_
#define REACTION_DRILL_QUIZ_QUIZ_TYPES_H_

#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "answer_forms.h"
#include "rich.h"
#include "verdict.h"

// Marks a typed answer.
using Marker = std::function<Verdict(std::string_view answer)>;

// One question as the student meets it, built field by field by its type.
struct QuizQuestion {
  Rich line;                // what is asked: "Ion: beryllium"
  std::string_view prompt;  // what the answer is asked for with: "Formula:"
  Rich answer;              // the right answer, as the verdicts name it
  Marker mark;
  const AnswerForm* form = nullptr;  // a row of answerForms
  unsigned type = 0;                 // numbered as the menu numbers them
  std::vector<std::string> reasons;  // why the answer is right, if said
  // The steps a student may ask for one at a time, each a few lines.
  std::vector<std::vector<std::string>> hints;
  // The particle picture of the reaction an equation question asks about,
  // drawn only when asked for; none for any other question.
  std::function<std::string()> picture = nullptr;
};

// The verdict on `answer` to `q`.
inline Verdict markAnswer(const QuizQuestion& q, std::string_view answer) {
  return q.mark(answer);
}

// Each type draws a fresh question, defined in its own file.
QuizQuestion drawIonFormula();
QuizQuestion drawCompoundFormula();
QuizQuestion drawSolubility();
QuizQuestion drawFormulaEquation();
QuizQuestion drawNetIonicEquation();

// Each type's entry in the manual page, beside its draw: a short name, a
// colon, then what is asked, in sentences; `words` in backquotes are set in
// bold.
extern const char ionFormulaSummary[];
extern const char compoundFormulaSummary[];
extern const char solubilitySummary[];
extern const char formulaEquationSummary[];
extern const char netIonicEquationSummary[];

struct QuizType {
  std::string_view name;  // as the quiz's menu lists it
  QuizQuestion (*draw)();
  std::string_view opening;  // what the page asks of a quiz of this type
  const char* summary;       // its entry in the manual
};

// The types of question, numbered from 1 as the menu lists them.
// clang-format off
inline constexpr QuizType quizTypes[] = {
    // menu name                    draw
    //   opening
    //   summary
    {"ion formulas (with charge)",  drawIonFormula,
     "Write the formula of each ion, with its charge.",
     ionFormulaSummary},
    {"compound formulas",           drawCompoundFormula,
     "Write the formula of each compound, given its name.",
     compoundFormulaSummary},
    {"solubility of compounds",     drawSolubility,
     "Say whether each compound dissolves in water: y for yes, n for no.",
     solubilitySummary},
    {"formula equations",           drawFormulaEquation,
     "Write the balanced formula equation of each reaction, given the reactants.",
     formulaEquationSummary},
    {"net ionic equations",         drawNetIonicEquation,
     "Write the net ionic equation of each reaction, given the reactants.",
     netIonicEquationSummary},
};
// clang-format on

// What the page asks of a quiz of random types.
inline constexpr std::string_view randomOpening =
    "Answer each question: a formula, y or n for whether a compound "
    "dissolves, or an equation.";

// The number of types; they are numbered 1 to questionTypes.
inline constexpr unsigned questionTypes = std::size(quizTypes);

// "random", then the name of every type, as the menu numbers them from 0.
std::vector<std::string_view> questionTypeMenu();

// The opening of each choice of the menu, numbered as it numbers them.
std::vector<std::string_view> quizOpenings();

// A fresh question of type `type`.
// REQUIRES: 1 <= type <= questionTypes.
inline QuizQuestion drawQuestion(unsigned type) {
  QuizQuestion q = quizTypes[type - 1].draw();
  q.type = type;
  return q;
}

// What the student sees: the question line, then the prompt for the answer
// and a blank, without a line break.
std::string promptFor(const QuizQuestion& q);

#endif  // REACTION_DRILL_QUIZ_QUIZ_TYPES_H_
