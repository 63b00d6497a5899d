#include "dialogue.h"

#include <cstdint>
#include <optional>
#include <string>

#include "chance.h"
#include "console.h"
#include "question.h"
#include "reveal.h"

namespace {

const std::string menu = numberedMenu(
    "Determine the products, given the reactants.\n\nReaction types are:\n",
    reactionTypeNames);

void revealAnswer(std::ostream& out, const Reaction& r, const QuestionTexts& t,
                  bool formulas) {
  for (const SheetLine& line : revealedLines(r, t, formulas, Forms::text)) {
    out << std::string(static_cast<std::size_t>(line.indent), ' ')
        << line.content.text << '\n';
  }
  out << "\n\n";
}

}  // namespace

int runDrill(std::istream& in, std::ostream& out,
             const DrillSettings& settings) {
  const std::optional<unsigned> choice =
      chooseType(in, out, settings.session.type, menu, reactionTypes);
  if (!choice) return exitStatus(out);
  out << "Press enter to reveal the answer to each question.\n\n";
  const std::optional<std::uint32_t> count = settings.session.count;
  for (std::uint32_t asked = 0; !count || asked < *count; ++asked) {
    const Reaction r = drawReaction(nextType(*choice, reactionTypes));
    const QuestionTexts t = compose(r);
    out << "Question: " << t.question << '\n' << std::flush;
    // Nobody reads a dead output, so stop rather than wait for input.
    if (!out) return 1;
    const bool more = skipLine(in);
    revealAnswer(out, r, t, settings.formulas);
    if (!more) break;
  }
  return exitStatus(out);
}
