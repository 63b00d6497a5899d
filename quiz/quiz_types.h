// The types of quiz question, each in a file of its own that holds all of
// it: what it draws, what it asks, the right answer and how a typed answer
// is marked, and its entry in the manual. The table at the end is the one
// place that lists them; the dialogue, the worksheets, the browser page, the
// manual pages and the scripts (through session_ranges) take the count and
// the names from it.
#ifndef REACTION_DRILL_QUIZ_QUIZ_TYPES_H_
#define REACTION_DRILL_QUIZ_QUIZ_TYPES_H_

#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "rich.h"

// Marks a typed answer: writes one verdict line to `out` and returns true
// only for a fully right answer.
using Marker = std::function<bool(std::string_view answer, std::ostream& out)>;

// How a verdict counts: every marker starts its line with "Correct.",
// "Close" or "Incorrect", and only a correct answer is right.
enum class Verdict { right, close, wrong };
Verdict verdictOf(bool right, std::string_view line);

// What an answer is written as: it decides the room a worksheet leaves and
// the keys the browser page offers.
enum class AnswerForm { formula, yesNo, equation };

// One question as the student meets it.
struct QuizQuestion {
  Rich line;                // what is asked: "Ion: beryllium"
  std::string_view prompt;  // what the answer is asked for with: "Formula:"
  Rich answer;              // the right answer, as the verdicts name it
  Marker mark;
  AnswerForm form = AnswerForm::formula;
  unsigned type = 0;                      // numbered as the menu numbers them
  std::vector<std::string> reasons = {};  // why the answer is right, if said
  // The steps a student may ask for one at a time, each a few lines.
  std::vector<std::vector<std::string>> hints = {};
};

// A verdict as a line of its own, for what shows it apart from the
// dialogue: a platform's feedback, the browser page.
struct MarkedAnswer {
  std::string line;  // "Close; correct answer is Al2(SO4)3", no line break
  Verdict verdict;
};
MarkedAnswer markAnswer(const QuizQuestion& q, std::string_view answer);

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
  const char* summary;
};

// The types of question, numbered from 1 as the menu lists them.
// clang-format off
inline constexpr QuizType quizTypes[] = {
    // menu name                      draw                  summary
    {"ion formulas (with charge)",    drawIonFormula,       ionFormulaSummary},
    {"compound formulas",             drawCompoundFormula,  compoundFormulaSummary},
    {"solubility of compounds",       drawSolubility,       solubilitySummary},
    {"formula equations",             drawFormulaEquation,  formulaEquationSummary},
    {"net ionic equations",           drawNetIonicEquation, netIonicEquationSummary},
};
// clang-format on

// The number of types; they are numbered 1 to questionTypes.
inline constexpr unsigned questionTypes = std::size(quizTypes);

// "random", then the name of every type, as the menu numbers them from 0.
std::vector<std::string_view> questionTypeMenu();

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
