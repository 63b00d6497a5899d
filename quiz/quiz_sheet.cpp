#include "quiz_sheet.h"

#include "chance.h"
#include "equation_html.h"
#include "questions.h"

namespace {

// The right answer; formulas in HTML from the ions and the terms, never
// from the text.
Rich answerOf(const Question& q) {
  if (q.type >= formulaEquation) {
    return {rightAnswer(q), htmlEquation(q.equation)};
  }
  if (q.type == ionFormula) {
    const Ion& i = q.single;
    return {rightAnswer(q),
            htmlFormula(i.formula, i.sign ? -i.valency : i.valency)};
  }
  if (q.type == compoundFormula) {
    return {rightAnswer(q), htmlFormula(makeFormula(q.cation, q.anion))};
  }
  return words(rightAnswer(q));
}

}  // namespace

std::string quizWorksheet(std::uint64_t seed, unsigned choice,
                          std::uint32_t count, SheetFormat format) {
  Sheet sheet;
  sheet.title = "formula-quiz worksheet: write the formula, given the name";
  sheet.typeName = questionTypeNames[choice];
  sheet.seed = seed;
  sheet.remake = remakeCommand("formula-quiz", seed, choice, count, "", format);
  seedChance(seed);
  // The same draws, in the same order, as the dialogue makes.
  for (std::uint32_t k = 0; k < count; ++k) {
    const Question q = drawQuestion(nextType(choice, questionTypes));
    sheet.entries.push_back({words(questionLine(q)),
                             words(answerPrompt(q)),
                             {{answerOf(q), 0}},
                             q.type >= formulaEquation});
  }
  return writeSheet(sheet, format);
}
