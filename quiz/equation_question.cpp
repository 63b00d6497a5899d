#include "equation_question.h"

#include <utility>

#include "equation_html.h"
#include "equation_marking.h"
#include "equation_text.h"
#include "menu.h"

namespace {

// The reactants, with the formulas of the types that name any in HTML, as
// the drill shows them.
Rich reactantsLine(const Reaction& reaction) {
  Rich line = words("Reactants: " + compose(reaction).question);
  const ReactionKind& kind = *reactionType(reaction.type).kind;
  if (kind.html != nullptr) {
    line.html = "Reactants: " + kind.html(reaction.reactants).question;
  }
  return line;
}

}  // namespace

Reaction drawAnyReaction() { return drawReaction(nextType(0, reactionTypes)); }

QuizQuestion askEquation(const Reaction& reaction, Equation equation,
                         std::string_view prompt) {
  Rich answer{ascii(equation), htmlEquation(equation)};
  return {
      reactantsLine(reaction), prompt, std::move(answer),
      [right = std::move(equation)](std::string_view typed, std::ostream& out) {
        return markTypedEquation(right, typed, out);
      },
      AnswerForm::equation};
}
