#include "dialogue.h"

#include <optional>

#include "console.h"
#include "question.h"

namespace {

constexpr const char* menu =
    "Determine the products, given the reactants.\n"
    "\n"
    "Reaction types are:\n"
    "0. random\n"
    "1. acid + base\n"
    "2. acid + carbonate\n"
    "3. acid + reactive metal\n"
    "4. water + reactive metal\n"
    "5. metal + nonmetal -> salt\n"
    "6. precipitation\n"
    "7. single displacement\n"
    "8. combustion (burning in air)\n"
    "Which kind of questions would you like? (0-8):";

void revealAnswer(std::ostream& out) {
  out << '(' << qtype << ")\n"
      << "Products, including spectators:  " << products << '\n'
      << "Answer, ionic:\n"
      << "  " << ionic << "\n\n\n";
}

}  // namespace

int runDrill(std::istream& in, std::ostream& out,
             const DrillSettings& settings) {
  const std::optional<unsigned> choice =
      askChoice(in, out, menu, reactionTypes);
  if (!choice) return exitStatus(out);
  out << "\nPress enter to reveal the answer to each question.\n\n";
  bool more = true;
  while (more) {
    makeQuestion(nextType(*choice, reactionTypes));
    out << "Question: " << question << '\n' << std::flush;
    // Nobody reads a dead output, so stop rather than wait for input.
    if (!out) return 1;
    more = skipLine(in);
    revealAnswer(out);
  }
  return exitStatus(out);
}
