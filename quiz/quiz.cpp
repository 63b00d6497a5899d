#include "quiz.h"

#include <optional>
#include <string>

#include "console.h"
#include "quiz_session.h"

namespace {

const std::string menu = numberedMenu(
    std::string(quizIntro) + "\n\nQuestion types are:\n", questionTypeMenu());

}  // namespace

int runQuiz(std::istream& in, std::ostream& out, std::uint64_t seed,
            const QuizSettings& settings) {
  const std::optional<unsigned> choice =
      chooseType(in, out, settings.session.type, menu, questionTypes);
  if (!choice) return exitStatus(out);
  out << quizHint << "\n\n";
  QuizSession session(seed, *choice);
  const std::optional<std::uint32_t> count = settings.session.count;
  std::uint32_t answered = 0;
  std::uint32_t correct = 0;
  std::string answer;
  while (!count || answered < *count) {
    const QuizQuestion q = session.next();
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
    if (q.mark(answer, out)) ++correct;
    out << '\n';
  }
  out << scoreLine(correct, answered) << '\n';
  return exitStatus(out);
}
