#include "equation_question.h"

#include <utility>

#include "equation_html.h"
#include "equation_text.h"
#include "menu.h"
#include "sight.h"

namespace {

// The reactants, with the formulas of the types that name any in HTML, as
// the drill shows them.
Rich reactantsLine(const Reaction& reaction) {
  Rich line = richText("Reactants: " + compose(reaction).question);
  const ReactionType& type = reactionType(reaction.type);
  if (type.html != nullptr) {
    line.html = "Reactants: " + type.html(reaction.reactants).question;
  }
  return line;
}

}  // namespace

Reaction drawAnyReaction() { return drawReaction(nextType(0, reactionTypes)); }

namespace {

// Every species of `e` with its state, and no coefficients.
std::string speciesOf(Equation e) {
  for (auto* side : {&e.reactants, &e.products}) {
    for (Term& t : *side) t.coefficient = 1;
  }
  return ascii(e);
}

}  // namespace

QuizQuestion askEquation(const Reaction& reaction, const FormulaEquations& all,
                         AskedEquation equation, std::string_view prompt) {
  const QuestionTexts t = compose(reaction);
  QuizQuestion q;
  q.line = reactantsLine(reaction);
  q.prompt = prompt;
  q.answer = richEquation(equation.right);
  q.hints = {
      {"(" + t.qtype + ")", "Products, including spectators:  " + t.products},
      {speciesOf(equation.right)}};
  q.mark = [asked = std::move(equation)](std::string_view typed) {
    return markTypedEquation(asked, typed);
  };
  q.form = &answerForm("equation");
  q.reasons = reasons(reaction, all);
  q.picture = [reaction] { return reactionPicture(reaction); };
  return q;
}
