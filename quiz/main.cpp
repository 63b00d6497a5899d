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

using Row = Option<QuizSettings>;

// The options, as the manual page lists them; -h and -V come with every
// program.
// clang-format off
constexpr Row options[] = {
    // long name   short  value  usage                                        apply
    {"seed",       's',   "N",   "draw the questions of seed N (0 to 2^64-1)", seedOption<QuizSettings>},
    {"type",       't',   "T",   "ask only type T (0 random, 1 to 5), no menu", typeOption<QuizSettings>},
    {"count",      'n',   "N",   "end after N answers",                        countOption<QuizSettings>},
    {"worksheet",  'w',   "",    "write a worksheet and its key instead",      worksheetOption<QuizSettings>},
    {"format",     0,     "F",   "the worksheet as text, markdown or html",    formatOption<QuizSettings>},
};
// clang-format on

constexpr ProgramInfo program = {
    "formula-quiz",
    "Practise writing ion and compound formulas and telling which dissolve.",
    REACTION_DRILL_VERSION};

}  // namespace

int main(int argc, char** argv) {
  QuizSettings settings;
  if (const std::optional<int> status =
          parseOptions(program, options, argumentsOf(argc, argv), settings,
                       std::cout, std::cerr)) {
    return *status;
  }
  return runSession(program, settings.session, quizWorksheet,
                    [&settings](std::istream& in, std::ostream& out) {
                      return runQuiz(in, out, settings);
                    });
}
