// 2. The formula of a compound: "Compound: aluminium sulfate",
// "Al2(SO4)3".
#include "compound_question.h"
#include "quiz_types.h"
#include "typed_reader.h"

namespace {

QuizQuestion ask(const Ion& cation, const Ion& anion) {
  QuizQuestion q;
  q.line = richText(compoundLine(cation, anion));
  q.prompt = "Formula:";
  q.answer = richFormula(cation, anion);
  q.mark = [cation, anion](std::string_view answer) {
    return markCompoundFormula(cation, anion, plainFormula(answer));
  };
  q.form = &answerForm("formula");
  q.reasons = {formulaReason(cation, anion)};
  return q;
}

}  // namespace

QuizQuestion drawCompoundFormula() {
  const auto [cation, anion] = drawCompound(compoundExists);
  return ask(cation, anion);
}

extern const char compoundFormulaSummary[] =
    "compound formulas: given a cation and an anion, type the formula of their "
    "neutral compound, with brackets around a group that takes a subscript, as "
    "in `Al2(SO4)3` for aluminium sulfate.";
