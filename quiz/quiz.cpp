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
  const std::optional<unsigned> choice =
      chooseType(in, out, settings.session.type, menu, questionTypes);
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
