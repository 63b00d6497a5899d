#include "quiz_sheet.h"

#include <utility>
#include <vector>

#include "ion.h"
#include "quiz_session.h"

namespace {

// A yes-or-no question as a statement to call true or false.
constexpr std::string_view solubleStatement = "It dissolves in water.";

// What the quiz says to `answer`, as a platform's feedback; a platform
// gives credit only to what the quiz calls right or close.
SheetResponse response(const QuizQuestion& q, const std::string& answer,
                       const std::string& shownAs) {
  MarkedAnswer marked = markAnswer(q, answer);
  const unsigned percent = marked.verdict == Verdict::right   ? 100
                           : marked.verdict == Verdict::close ? 50
                                                              : 0;
  return {shownAs, percent, std::move(marked.line)};
}

// `formula` in every letter case: each letter as it is or in the other
// case. A formula of the catalogue has few letters, so few cases.
std::vector<std::string> letterCases(const std::string& formula) {
  std::vector<std::string> cases = {formula};
  for (std::size_t at = 0; at < formula.size(); ++at) {
    const char c = formula[at];
    if (!isLetter(c)) continue;
    const char flipped = isLower(c) ? ucase(c) : lcase(c);
    const std::size_t before = cases.size();
    for (std::size_t k = 0; k < before; ++k) {
      std::string other = cases[k];
      other[at] = flipped;
      cases.push_back(std::move(other));
    }
  }
  return cases;
}

// How a platform marks the question: formulas as typed, the right one
// first; a solubility as true or false; an equation by the teacher.
void markForPlatform(const QuizQuestion& q, SheetEntry& e) {
  if (q.form == AnswerForm::formula) {
    e.marking = SheetMarking::typedExactly;
    for (const std::string& typed : letterCases(q.answer.text)) {
      SheetResponse r = response(q, typed, typed);
      if (r.percent > 0) e.responses.push_back(std::move(r));
    }
  } else if (q.form == AnswerForm::yesNo) {
    e.marking = SheetMarking::trueOrFalse;
    e.statement = richText(solubleStatement);
    e.responses = {response(q, "y", "true"), response(q, "n", "false")};
  }
}

// A line for a formula or a y or n, three for an equation, which may take
// two in handwriting and a correction.
unsigned linesFor(AnswerForm form) {
  return form == AnswerForm::equation ? 3 : 1;
}

}  // namespace

std::string quizWorksheet(const SheetRequest& request, bool explain) {
  explain = explain || request.format->explains;
  Sheet sheet =
      sheetFor(request, "formula-quiz", "quiz", explain ? "--explain" : "");
  sheet.title = "formula-quiz worksheet: write the formula, given the name";
  sheet.typeName = questionTypeMenu()[request.choice];
  QuizSession session(request.seed, request.choice);
  for (std::uint32_t k = 0; k < request.count; ++k) {
    const QuizQuestion q = session.next();
    std::vector<SheetLine> key = {{q.answer, 0}};
    if (explain && !q.reasons.empty()) {
      key.push_back({richText("Why:"), 0});
      for (const std::string& reason : q.reasons) {
        key.push_back({richText(reason), 2});
      }
    }
    SheetEntry entry{q.line, richText(q.prompt), std::move(key),
                     linesFor(q.form)};
    markForPlatform(q, entry);
    sheet.entries.push_back(std::move(entry));
  }
  return request.format->write(sheet);
}
