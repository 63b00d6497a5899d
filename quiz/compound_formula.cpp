// 2. The formula of a compound: "Compound: aluminium sulphate",
// "Al2(SO4)3".
#include "compound_question.h"
#include "equation_html.h"
#include "quiz_types.h"
#include "typed_reader.h"

namespace {

QuizQuestion ask(const Ion& cation, const Ion& anion) {
  const std::string formula = makeFormula(cation, anion);
  return {richText(compoundLine(cation, anion)),
          "Formula:",
          {formula, htmlFormula(formula)},
          [cation, anion](std::string_view answer, std::ostream& out) {
            return getResponse(cation, anion, plainFormula(answer), out);
          },
          AnswerForm::formula,
          0,
          {formulaReason(cation, anion)}};
}

}  // namespace

QuizQuestion drawCompoundFormula() {
  const auto [cation, anion] = drawCompound(compoundExists);
  return ask(cation, anion);
}

extern const char compoundFormulaSummary[] =
    "compound formulas: given a cation and an anion, type the formula of their "
    "neutral compound, with brackets around a group that takes a subscript, as "
    "in `Al2(SO4)3` for aluminium sulphate.";
