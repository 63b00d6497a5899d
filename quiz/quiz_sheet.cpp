#include "quiz_sheet.h"

#include <string>
#include <utility>
#include <vector>

#include "quiz_session.h"
#include "text.h"
#include "typed_forms.h"

namespace {

// A yes-or-no question as a statement to call true or false.
constexpr std::string_view solubleStatement = "It dissolves in water.";

// What the quiz says to `answer`, as a platform's feedback; a platform
// gives credit only to what the quiz calls right or close.
SheetResponse response(const QuizQuestion& q, const std::string& answer,
                       const std::string& shownAs) {
  const Verdict v = markAnswer(q, answer);
  const unsigned percent = v.grade == Grade::right   ? 100
                           : v.grade == Grade::close ? 50
                                                     : 0;
  return {shownAs, percent, verdictText(v)};
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

}  // namespace

// Every notation the quiz reads as the answer first, then each in its other
// letter cases.
void bankTyped(const QuizQuestion& q, SheetEntry& e) {
  e.marking = SheetMarking::typedExactly;
  const std::vector<std::string> forms = typedForms(q.answer.text);
  std::vector<std::string> typed = forms;
  for (const std::string& form : forms) {
    const std::vector<std::string> cases = letterCases(form);
    typed.insert(typed.end(), cases.begin() + 1, cases.end());
  }
  for (const std::string& answer : typed) {
    SheetResponse r = response(q, answer, answer);
    if (r.percent > 0) e.responses.push_back(std::move(r));
  }
}

void bankTrueOrFalse(const QuizQuestion& q, SheetEntry& e) {
  e.marking = SheetMarking::trueOrFalse;
  e.statement = richText(solubleStatement);
  e.responses = {response(q, "y", "true"), response(q, "n", "false")};
}

void bankByTeacher(const QuizQuestion& /*q*/, SheetEntry& e) {
  e.marking = SheetMarking::byTeacher;
}

std::string quizWorksheet(const SheetRequest& request, bool explain) {
  // The command names only what was asked for.
  Sheet sheet =
      sheetFor(request, "formula-quiz", "quiz", explain ? "--explain" : "");
  explain = explain || request.format->explains;
  sheet.title = "formula-quiz worksheet: write the formula, given the name";
  sheet.typeName = questionTypeMenu()[request.choice];
  QuizSession session(request.seed, request.choice, request.picks);
  for (std::uint32_t k = 0; k < request.count; ++k) {
    const QuizQuestion q = session.next();
    std::vector<SheetLine> key = {{q.answer, 0}};
    if (explain && !q.reasons.empty()) {
      key.push_back({richText("Why:"), 0});
      for (const std::string& reason : q.reasons) {
        key.push_back({richText(reason), 2});
      }
    }
    SheetEntry entry{q.line, richText(q.prompt), std::move(key), q.form->lines};
    q.form->bank(q, entry);
    sheet.entries.push_back(std::move(entry));
  }
  return request.format->write(sheet);
}
