// 1. The formula of one ion, with its charge: "Ion: beryllium", "Be2+".
#include "compound_question.h"
#include "equation_html.h"
#include "quiz_types.h"
#include "typed_reader.h"

namespace {

Ion draw() {
  Ion i = randomIon();
  while (hidesItsCharge(i) || !isNamed(i)) i = randomIon();
  return i;
}

QuizQuestion ask(const Ion& i) {
  return {richText("Ion: " + i.name),
          "Formula:",
          {i.makeFormula(), htmlFormula(i.formula, signedCharge(i))},
          [i](std::string_view answer, std::ostream& out) {
            return i.getResponse(plainFormula(answer), out);
          }};
}

}  // namespace

QuizQuestion drawIonFormula() { return ask(draw()); }
