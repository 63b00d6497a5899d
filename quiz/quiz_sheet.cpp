#include "quiz_sheet.h"

#include "quiz_session.h"

std::string quizWorksheet(std::uint64_t seed, unsigned choice,
                          std::uint32_t count, const SheetFormat& format) {
  Sheet sheet;
  sheet.title = "formula-quiz worksheet: write the formula, given the name";
  sheet.typeName = questionTypeMenu()[choice];
  sheet.seed = seed;
  sheet.remake = remakeCommand("formula-quiz", seed, choice, count, "", format);
  QuizSession session(seed, choice);
  for (std::uint32_t k = 0; k < count; ++k) {
    const QuizQuestion q = session.next();
    sheet.entries.push_back(
        {words(q.line), words(q.prompt), {{q.answer, 0}}, q.roomToWrite});
  }
  return format.write(sheet);
}
