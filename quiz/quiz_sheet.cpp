#include "quiz_sheet.h"

#include <utility>
#include <vector>

#include "quiz_session.h"

namespace {

// A line for a formula or a y or n, three for an equation, which may take
// two in handwriting and a correction.
unsigned linesFor(AnswerForm form) {
  return form == AnswerForm::equation ? 3 : 1;
}

}  // namespace

std::string quizWorksheet(const SheetRequest& request, bool explain) {
  Sheet sheet =
      sheetFor(request, "formula-quiz", "quiz", explain ? "--explain" : "");
  sheet.title = "formula-quiz worksheet: write the formula, given the name";
  sheet.typeName = questionTypeMenu()[request.choice];
  QuizSession session(request.seed, request.choice);
  for (std::uint32_t k = 0; k < request.count; ++k) {
    const QuizQuestion q = session.next();
    std::vector<SheetLine> key = {{q.answer, 0}};
    if (explain && !q.reasons.empty()) {
      key.push_back({words("Why:"), 0});
      for (const std::string& reason : q.reasons) {
        key.push_back({words(reason), 2});
      }
    }
    sheet.entries.push_back(
        {q.line, words(q.prompt), std::move(key), linesFor(q.form)});
  }
  return request.format->write(sheet);
}
