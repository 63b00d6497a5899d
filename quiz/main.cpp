// formula-quiz: practise writing ion and compound formulas and telling
// which compounds dissolve.
#include <iostream>
#include <string_view>

#include "options.h"
#include "program.h"
#include "quiz.h"
#include "quiz_sheet.h"
#include "session_options.h"

namespace {

constexpr ProgramInfo program = {
    "formula-quiz",
    "Practise writing ion and compound formulas and telling which dissolve.",
    REACTION_DRILL_VERSION};

}  // namespace

int main(int argc, char** argv) {
  // The quiz writes only through std::cout.
  std::ios::sync_with_stdio(false);
  QuizSettings settings;
  // The options, as the manual page lists them; -h and -V come with every
  // program.
  if (const std::optional<int> status = parseOptions(
          program, sessionOptions<QuizSettings>("answers"),
          argumentsOf(argc, argv), settings, std::cout, std::cerr)) {
    return *status;
  }
  return runSession(
      program, settings.session, quizWorksheet,
      [&settings](std::istream& in, std::ostream& out, std::uint64_t seed) {
        return runQuiz(in, out, seed, settings);
      });
}
