#include "dialogue.h"

#include <cstdlib>

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

unsigned nextType(unsigned choice) {
  if (choice != 0) return choice;
  return static_cast<unsigned>(std::rand()) % reactionTypes + 1;
}

void revealAnswer(std::ostream& out) {
  out << '(' << qtype << ")\n"
      << "Products, including spectators:  " << products << '\n'
      << "Answer, ionic:\n"
      << "  " << ionic << "\n\n\n";
}

int exitStatus(std::ostream& out) { return out.flush() ? 0 : 1; }

}  // namespace

int runDrill(std::istream& in, std::ostream& out) {
  out << menu << std::flush;
  const std::optional<unsigned> choice = readChoice(in, reactionTypes);
  if (!choice) {
    out << '\n';
    return exitStatus(out);
  }
  out << "\nPress enter to reveal the answer to each question.\n\n";
  bool more = true;
  while (more) {
    makeQuestion(nextType(*choice));
    out << "Question: " << question << '\n' << std::flush;
    // Nobody reads a dead output, so stop rather than wait for input.
    if (!out) return 1;
    more = skipLine(in);
    revealAnswer(out);
  }
  return exitStatus(out);
}
