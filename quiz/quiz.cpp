#include "quiz.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "chance.h"
#include "console.h"
#include "questions.h"

namespace {

const std::string menu =
    numberedMenu("Write the formula, given the name.\n\nQuestion types are:\n",
                 questionTypeNames);

// The type fixed on the command line, or else the one chosen from the menu;
// nothing when input ends before the choice or `out` fails.
std::optional<unsigned> typeChoice(std::istream& in, std::ostream& out,
                                   const QuizSettings& settings) {
  if (settings.session.type) return *settings.session.type;
  const std::optional<unsigned> choice =
      askChoice(in, out, menu, questionTypes);
  if (choice) out << '\n';
  return choice;
}

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

int runQuiz(std::istream& in, std::ostream& out, const QuizSettings& settings) {
  const std::optional<unsigned> choice = typeChoice(in, out, settings);
  if (!choice) return exitStatus(out);
  out << "Type each answer and press enter; type quit to finish.\n\n";
  const std::optional<std::uint32_t> count = settings.session.count;
  std::uint32_t answered = 0;
  std::uint32_t correct = 0;
  std::string answer;
  while (!count || answered < *count) {
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
