#include "question.h"

#include <utility>

std::string question;
std::string qtype;
std::string products;
std::string ionic;

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
