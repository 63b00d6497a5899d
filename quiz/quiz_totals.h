// How a quiz went: its right, close and wrong answers in all and by type
// of question, with their shares, and the questions to practise again.
// The console's end and the browser page's summary both show these.
#ifndef REACTION_DRILL_QUIZ_QUIZ_TOTALS_H_
#define REACTION_DRILL_QUIZ_QUIZ_TOTALS_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "menu.h"
#include "quiz_types.h"
#include "verdict.h"

// The answers of each grade, in the order of Grade: right, close, wrong.
using GradeCounts = std::array<std::uint32_t, 3>;

// One row of a quiz's totals: a type of question, or all of them.
struct TotalsRow {
  std::string_view name;  // as the menu names the type, or "All types"
  GradeCounts counts;
  GradeCounts percents;  // of the row's answers, each rounded
};

class QuizTotals {
 public:
  // Counts the answer graded `grade` to question `number` of type `type`.
  // REQUIRES: 1 <= type <= questionTypes.
  void add(unsigned type, std::uint64_t number, Grade grade);

  // Counts `counts` more answers of type `type`, as a kept tally holds them.
  // REQUIRES: 1 <= type <= questionTypes.
  void addCounts(unsigned type, const GradeCounts& counts);

  // The answers counted, of every grade, and those graded right.
  [[nodiscard]] std::uint32_t answered() const;
  [[nodiscard]] std::uint32_t right() const { return byType_[0][0]; }

  // The row of all answers, then one for each type answered where there
  // are two or more.
  [[nodiscard]] std::vector<TotalsRow> rows() const;

  // The numbers of the questions answered close or wrong, the first
  // maxPicked of them.
  [[nodiscard]] const QuestionNumbers& missed() const { return missed_; }

 private:
  std::array<GradeCounts, questionTypes + 1> byType_{};
  QuestionNumbers missed_;
};

// "All types: right 3 of 5 (60%), close 1 (20%), wrong 1 (20%)".
std::string totalsLine(const TotalsRow& row);

// The command line that asks the questions `missed` of the quiz of `seed`
// and `choice` again: "formula-quiz --seed 42 --type 0 --questions 3,7".
std::string practiseCommand(std::uint64_t seed, unsigned choice,
                            const QuestionNumbers& missed);

// What the console quiz says after its score: the line of each row, those
// of the types set in, and the command that practises the questions missed
// again, if any; nothing where no question was answered.
std::vector<std::string> endLines(const QuizTotals& totals, std::uint64_t seed,
                                  unsigned choice);

#endif  // REACTION_DRILL_QUIZ_QUIZ_TOTALS_H_
