// 3. Whether a compound dissolves: "Compound: zinc bromide", "soluble".
// Never a compound that does not exist, a pair whose solubility the rules
// cannot tell, or one the rules do not ask of, such as an oxide.
#include "compound_question.h"
#include "quiz_types.h"

namespace {

bool hasOneAnswer(const Ion& cation, const Ion& anion) {
  const chemistry::SolubilityRule* rule = solubilityRule(cation, anion);
  return compoundExists(cation, anion) && rule != nullptr &&
         staysInWater(cation, anion);
}

QuizQuestion ask(const Ion& cation, const Ion& anion) {
  QuizQuestion q;
  q.line = richText(compoundLine(cation, anion));
  q.prompt = "Soluble? (y/n):";
  q.answer = richText(isSolubleWord(isSolubleChar(cation, anion)));
  q.mark = [cation, anion](std::string_view answer) {
    return markSolubility(cation, anion, answer);
  };
  q.form = &answerForm("yesNo");
  q.reasons = {ruleSentence(*solubilityRule(cation, anion))};
  return q;
}

}  // namespace

QuizQuestion drawSolubility() {
  const auto [cation, anion] = drawCompound(hasOneAnswer);
  return ask(cation, anion);
}

extern const char solubilitySummary[] =
    "solubility: given a compound, type whether it dissolves in water; only "
    "the "
    "first letter counts, y or n in either case.";
