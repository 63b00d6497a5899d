#include "questions.h"

#include <algorithm>
#include <utility>

#include "chance.h"
#include "question.h"
#include "typed_equation.h"

namespace {

// Plain "iron" could be iron(II) or iron(III): a name that does not say
// which of the element's charges the catalogue means.
bool hidesItsCharge(const Ion& i) {
  return !namesItsCharge(i) &&
         std::any_of(ion.begin(), ion.end(), [&i](const Ion& other) {
           return other.formula == i.formula && other.valency != i.valency;
         });
}

bool asksForAnEquation(const Question& q) { return q.type >= formulaEquation; }

// A reaction of any of the drill's types, each as likely as in its random
// mode, and the equation asked for.
void drawEquation(Question& q) {
  const Reaction r = drawReaction(nextType(0, reactionTypes));
  q.reactants = compose(r).question;
  FormulaEquations e = formulaEquations(r);
  q.equation = q.type == netIonicEquation && e.net ? std::move(*e.net)
                                                   : std::move(e.formula);
}

}  // namespace

Question drawQuestion(unsigned type) {
  Question q;
  q.type = type;
  if (asksForAnEquation(q)) {
    drawEquation(q);
    return q;
  }
  if (type == ionFormula) {
    do {
      q.single = randomIon();
    } while (hidesItsCharge(q.single));
    return q;
  }
  // Both ions are drawn again, so every pair the rules can tell stays as
  // likely as it is for a compound formula question.
  do {
    q.cation = randomPos();
    q.anion = randomNeg();
  } while (hidesItsCharge(q.cation) ||
           (type == solubility && isSolubleChar(q.cation, q.anion) == noRule));
  return q;
}
std::string questionLine(const Question& q) {
  if (asksForAnEquation(q)) return "Reactants: " + q.reactants;
  if (q.type == ionFormula) return "Ion: " + q.single.name;
  return "Compound: " + q.cation.name + " " + q.anion.name;
}

std::string_view answerPrompt(const Question& q) {
  switch (q.type) {
    case solubility:
      return "Soluble? (y/n):";
    case formulaEquation:
      return "Equation:";
    case netIonicEquation:
      return "Net ionic:";
    default:
      return "Formula:";
  }
}

std::string promptFor(const Question& q) {
  return questionLine(q) + "\n" + std::string(answerPrompt(q)) + " ";
}

std::string rightAnswer(const Question& q) {
  if (asksForAnEquation(q)) return ascii(q.equation);
  if (q.type == ionFormula) return q.single.makeFormula();
  if (q.type == compoundFormula) return makeFormula(q.cation, q.anion);
  return isSolubleWord(isSolubleChar(q.cation, q.anion));
}

bool markAnswer(const Question& q, std::string_view answer, std::ostream& out) {
  if (asksForAnEquation(q)) return markTypedEquation(q.equation, answer, out);
  if (q.type == ionFormula) return q.single.getResponse(answer, out);
  if (q.type == compoundFormula) {
    return getResponse(q.cation, q.anion, answer, out);
  }
  return getSolResponse(q.cation, q.anion, answer, out);
}
