#include "quiz_sheet.h"

#include <utility>
#include <vector>

#include "quiz_session.h"

std::string quizWorksheet(std::uint64_t seed, unsigned choice,
                          std::uint32_t count, const SheetFormat& format,
                          bool explain) {
  Sheet sheet;
  sheet.title = "formula-quiz worksheet: write the formula, given the name";
  sheet.typeName = questionTypeMenu()[choice];
  sheet.seed = seed;
  sheet.remake = remakeCommand("formula-quiz", seed, choice, count,
                               explain ? "--explain" : "", format);
  QuizSession session(seed, choice);
  for (std::uint32_t k = 0; k < count; ++k) {
    const QuizQuestion q = session.next();
    std::vector<SheetLine> key = {{q.answer, 0}};
    if (explain && !q.reasons.empty()) {
      key.push_back({words("Why:"), 0});
      for (const std::string& reason : q.reasons)
        key.push_back({words(reason), 2});
    }
    sheet.entries.push_back(
        {words(q.line), words(q.prompt), std::move(key), q.roomToWrite});
  }
  return format.write(sheet);
}
