// 3. Whether a compound dissolves: "Compound: zinc bromide", "soluble".
// Never a pair whose solubility the rules cannot tell.
#include "compound_question.h"
#include "quiz_kinds.h"

namespace {

bool hasOneAnswer(const Ion& cation, const Ion& anion) {
  return isSolubleChar(cation, anion) != noRule;
}

QuizQuestion ask(const Ion& cation, const Ion& anion) {
  return {words(compoundLine(cation, anion)),
          "Soluble? (y/n):", words(isSolubleWord(isSolubleChar(cation, anion))),
          [cation, anion](std::string_view answer, std::ostream& out) {
            return getSolResponse(cation, anion, answer, out);
          },
          AnswerForm::yesNo};
}

}  // namespace

QuizQuestion drawSolubility() {
  const auto [cation, anion] = drawCompound(hasOneAnswer);
  return ask(cation, anion);
}
