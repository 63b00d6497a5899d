#include "quiz.h"

#include <optional>
#include <string>

#include "console.h"
#include "questions.h"

namespace {

constexpr const char* menu =
    "Write the formula, given the name.\n"
    "\n"
    "Question types are:\n"
    "0. random\n"
    "1. ion formulas (with charge)\n"
    "2. compound formulas\n"
    "3. solubility of compounds\n"
    "Which kind of questions would you like? (0-3):";

}  // namespace

int runQuiz(std::istream& in, std::ostream& out) {
  const std::optional<unsigned> choice =
      askChoice(in, out, menu, questionTypes);
  if (!choice) return exitStatus(out);
  out << "\nType each answer and press enter; type quit to finish.\n\n";
  unsigned answered = 0;
  unsigned correct = 0;
  std::string answer;
  for (;;) {
    const Question q = drawQuestion(nextType(*choice, questionTypes));
    out << promptFor(q) << std::flush;
    // Nobody reads a dead output, so stop rather than wait for input.
    if (!out) return 1;
    if (!readLine(in, answer)) {
      // Nothing ends the prompt's line on the console when input ends.
      out << '\n';
      break;
    }
    if (answer == "quit") break;
    ++answered;
    if (markAnswer(q, answer, out)) ++correct;
    out << '\n';
  }
  out << "Score: " << correct << " of " << answered << " correct\n";
  return exitStatus(out);
}
