#include "quiz.h"

#include <optional>
#include <string>
#include <string_view>

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

bool isSpaceOrTab(char c) { return c == ' ' || c == '\t'; }

// "quit" in any letter case, with spaces or tabs around it. A line as long
// as readLine keeps may have been cut, and may not be blanks to its end.
bool isQuit(std::string_view answer) {
  if (answer.size() >= maxLineKept) return false;
  while (!answer.empty() && isSpaceOrTab(answer.front())) {
    answer.remove_prefix(1);
  }
  while (!answer.empty() && isSpaceOrTab(answer.back())) {
    answer.remove_suffix(1);
  }
  return ucase(answer) == "QUIT";
}

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
    if (isQuit(answer)) break;
    ++answered;
    if (markAnswer(q, answer, out)) ++correct;
    out << '\n';
  }
  out << "Score: " << correct << " of " << answered << " correct\n";
  return exitStatus(out);
}
