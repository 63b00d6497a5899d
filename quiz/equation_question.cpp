#include "equation_question.h"

#include <utility>

#include "equation_html.h"
#include "equation_text.h"
#include "menu.h"

Reaction drawAnyReaction() { return drawReaction(nextType(0, reactionTypes)); }

QuizQuestion askEquation(const Reaction& reaction, AskedEquation equation,
                         std::string_view prompt) {
  Rich answer{ascii(equation.right), htmlEquation(equation.right)};
  return {
      "Reactants: " + compose(reaction).question, prompt, std::move(answer),
      [right = std::move(equation)](std::string_view typed, std::ostream& out) {
        return markTypedEquation(right, typed, out);
      },
      true};
}
