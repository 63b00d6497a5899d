#include "quiz.h"

#include <optional>
#include <string>

#include "console.h"
#include "quiz_session.h"
#include "quiz_totals.h"

namespace {

const std::string menu = numberedMenu(
    std::string(quizIntro) + "\n\nQuestion types are:\n", questionTypeMenu());

// What the student did with a question.
enum class Reply { answered, quit, ended, deadOutput };

// Writes `title` and each line set in below it.
void writeLines(std::ostream& out, std::string_view title,
                const std::vector<std::string>& lines) {
  out << title << '\n';
  for (const std::string& line : lines) out << "  " << line << '\n';
}

// Writes the next of the hints of `q`, or that none is left, or that it
// has none; `hintsUsed` counts those asked for.
void writeHint(std::ostream& out, const QuizQuestion& q,
               std::size_t& hintsUsed) {
  const HintReply reply = nextHint(q, hintsUsed);
  if (reply.isHint) {
    writeLines(out, "Hint:", reply.lines);
  } else {
    out << reply.lines.front() << '\n';
  }
}

// Asks `q` and reads the answer into `answer`, giving the next of its hints
// each time one is asked for. An empty line asks the question again, on a
// line of its own, so that endless empty input is endless lines that a
// reader can stop.
Reply ask(std::istream& in, std::ostream& out, const QuizQuestion& q,
          std::string& answer, std::size_t& hintsUsed) {
  out << promptFor(q) << std::flush;
  for (;;) {
    // Nobody reads a dead output, so stop rather than wait for input.
    if (!out) return Reply::deadOutput;
    if (!readLine(in, answer)) {
      // Nothing ends the prompt's line on the console when input ends.
      out << '\n';
      return Reply::ended;
    }
    if (isQuit(answer)) return Reply::quit;
    if (!isHint(answer) && !isEmptyAnswer(answer)) return Reply::answered;
    if (isHint(answer)) {
      writeHint(out, q, hintsUsed);
    } else {
      out << q.line.text << '\n';
    }
    out << q.prompt << ' ' << std::flush;
  }
}

}  // namespace

int runQuiz(std::istream& in, std::ostream& out, std::uint64_t seed,
            const QuizSettings& settings) {
  unsigned choice = 0;
  if (!chooseType(in, out, settings.session.type, menu, questionTypes,
                  choice)) {
    return exitStatus(out);
  }
  out << quizHint << "\n\n";
  QuizSession session(seed, choice, settings.session.picks);
  QuizTotals totals;
  const std::optional<std::uint32_t> count = settings.session.questions();
  std::uint32_t afterHint = 0;
  std::string answer;
  while (!count || totals.answered() < *count) {
    const QuizQuestion q = session.next();
    std::size_t hintsUsed = 0;
    const Reply reply = ask(in, out, q, answer, hintsUsed);
    if (reply == Reply::deadOutput) return 1;
    if (reply != Reply::answered) break;
    const Verdict verdict = markAnswer(q, answer);
    out << verdictText(verdict) << '\n';
    for (const std::string& line : atomTable(verdict)) out << line << '\n';
    totals.add(q.type, session.number(), verdict.grade);
    if (verdict.grade == Grade::right) {
      afterHint += hintsUsed > 0 ? 1 : 0;
    } else if (!q.reasons.empty()) {
      writeLines(out, "Why:", q.reasons);
    }
    out << '\n';
  }
  out << scoreLine(totals.right(), totals.answered(), afterHint) << '\n';
  for (const std::string& line : endLines(totals, seed, choice)) {
    out << line << '\n';
  }
  return exitStatus(out);
}
