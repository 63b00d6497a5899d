#include "question.h"

#include <utility>

std::string question;
std::string qtype;
std::string products;
std::string ionic;

Reaction drawReaction(unsigned type) {
  switch (type) {
    case 1:
      return drawAcidBase();
    case 2:
      return drawAcidCarbonate();
    case 3:
      return drawAcidMetal();
    case 4:
      return drawWaterMetal();
    case 5:
      return drawMetalNonmetal();
    case 6:
      return drawPrecipitation();
    case 7:
      return drawDisplacement();
    default:
      return drawFuel();
  }
}

QuestionTexts compose(const Reaction& r) {
  return std::visit([](const auto& reactants) { return compose(reactants); },
                    r);
}

FormulaEquations formulaEquations(const Reaction& r) {
  return std::visit(
      [](const auto& reactants) { return formulaEquations(reactants); }, r);
}

void makeQuestion(unsigned q) {
  QuestionTexts t;
  if (q >= 1 && q <= reactionTypes) {
    t = compose(drawReaction(q));
  } else {
    const std::string error = "<an error occurred>";
    t = {error, error, error, ""};
  }
  question = std::move(t.question);
  qtype = std::move(t.qtype);
  products = std::move(t.products);
  ionic = std::move(t.ionic);
}
