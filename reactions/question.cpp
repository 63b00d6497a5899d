#include "question.h"

#include <utility>

#include "reactions.h"

std::string question;
std::string qtype;
std::string products;
std::string ionic;

namespace {

QuestionTexts makeTexts(unsigned q) {
  switch (q) {
    case 1:
      return compose(drawAcidBase());
    case 2:
      return compose(drawAcidCarbonate());
    case 3:
      return compose(drawAcidMetal());
    case 4:
      return compose(drawWaterMetal());
    case 5:
      return compose(drawMetalNonmetal());
    case 6:
      return compose(drawPrecipitation());
    case 7:
      return compose(drawDisplacement());
    case 8:
      return compose(drawFuel());
    default: {
      const std::string error = "<an error occurred>";
      return {error, error, error, ""};
    }
  }
}

}  // namespace

void makeQuestion(unsigned q) {
  QuestionTexts t = makeTexts(q);
  question = std::move(t.question);
  qtype = std::move(t.qtype);
  products = std::move(t.products);
  ionic = std::move(t.ionic);
}
