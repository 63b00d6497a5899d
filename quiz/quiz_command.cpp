#include "quiz_command.h"

#include <string_view>

#include "options.h"
#include "quiz.h"
#include "quiz_sheet.h"
#include "session_options.h"

namespace {

// The options, as the manual page lists them; -h and -V come with every
// program.
std::vector<Option<QuizSettings>> options() {
  std::vector<Option<QuizSettings>> rows =
      sessionOptions<QuizSettings>("answers");
  rows.push_back(picksOption<QuizSettings>());
  rows.push_back(
      {"explain", 'e', "", "with --worksheet: say why in the key",
       [](QuizSettings& s, std::string_view /*value*/, std::string& /*error*/) {
         s.explain = true;
         return true;
       }});
  return rows;
}

constexpr ProgramInfo program = {
    "formula-quiz",
    "Practise formulas, solubility, and balanced and net ionic equations.",
    REACTION_DRILL_VERSION};

}  // namespace

int formulaQuiz(const std::vector<std::string>& args, const Console& console) {
  QuizSettings settings;
  int status = 0;
  if (!parseOptions(program, options(), args, settings, console.out,
                    console.err, status)) {
    return status;
  }
  // The quiz always says why after a wrong answer; only a key is asked.
  if (settings.explain && !settings.session.worksheet) {
    return usageError(program, console.err, "--explain needs --worksheet");
  }
  return runSession(
      program, settings.session,
      [&settings](const SheetRequest& request) {
        return quizWorksheet(request, settings.explain);
      },
      [&settings](std::istream& in, std::ostream& out, std::uint64_t seed) {
        return runQuiz(in, out, seed, settings);
      },
      console);
}
