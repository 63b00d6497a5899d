#include "quiz_sheet.h"

#include "quiz_session.h"

namespace {

// A line for a formula or a y or n, three for an equation, which may take
// two in handwriting and a correction.
unsigned linesFor(AnswerForm form) {
  return form == AnswerForm::equation ? 3 : 1;
}

}  // namespace

std::string quizWorksheet(const SheetRequest& request) {
  Sheet sheet = sheetFor(request, "formula-quiz", "quiz", "");
  sheet.title = "formula-quiz worksheet: write the formula, given the name";
  sheet.typeName = questionTypeMenu()[request.choice];
  QuizSession session(request.seed, request.choice);
  for (std::uint32_t k = 0; k < request.count; ++k) {
    const QuizQuestion q = session.next();
    sheet.entries.push_back(
        {q.line, words(q.prompt), {{q.answer, 0}}, linesFor(q.form)});
  }
  return request.format->write(sheet);
}
