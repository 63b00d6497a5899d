// 1. The formula of one ion, with its charge: "Ion: beryllium", "Be2+".
#include "compound_question.h"
#include "quiz_types.h"
#include "typed_reader.h"

namespace {

Ion draw() {
  Ion i = randomIon();
  while (hidesItsCharge(i) || !isNamed(i)) i = randomIon();
  return i;
}

QuizQuestion ask(const Ion& i) {
  QuizQuestion q;
  q.line = richText("Ion: " + ionName(i));
  q.prompt = "Formula:";
  q.answer = richFormula(i);
  q.mark = [i](std::string_view answer) {
    return markIonFormula(i, plainFormula(answer));
  };
  q.form = &answerForm("formula");
  return q;
}

}  // namespace

QuizQuestion drawIonFormula() { return ask(draw()); }

extern const char ionFormulaSummary[] =
    "ion formulas: given the name of an ion, type its formula with the charge "
    "written after it, as in `SO42-` for sulfate or `Na+` for sodium; the "
    "charge may take any form of an equation's (below), as in `Fe^3+` or "
    "`Fe\xC2\xB3\xE2\x81\xBA`.";
