#include "drill_command.h"

#include <string_view>

#include "dialogue.h"
#include "drill_sheet.h"
#include "options.h"
#include "session_options.h"

namespace {

using Row = Option<DrillSettings>;

// The options, as the manual page lists them; -h and -V come with every
// program.
std::vector<Row> options() {
  std::vector<Row> rows = {
      {"formulas", 'f', "", "also show the balanced formula equations",
       [](DrillSettings& s, std::string_view /*value*/,
          std::string& /*error*/) {
         s.extras.formulas = true;
         return true;
       }},
      {"explain", 'e', "", "also say why, by the rules that decide it",
       [](DrillSettings& s, std::string_view /*value*/,
          std::string& /*error*/) {
         s.extras.reasons = true;
         return true;
       }},
      {"pictures", 0, "",
       "with --worksheet --format html: a particle picture in each answer",
       [](DrillSettings& s, std::string_view /*value*/,
          std::string& /*error*/) {
         s.extras.pictures = true;
         return true;
       }},
  };
  for (Row& row : sessionOptions<DrillSettings>("questions")) {
    rows.push_back(std::move(row));
  }
  return rows;
}

// Pictures are drawn only in HTML; every other output is text.
bool picturesFit(const DrillSettings& s) {
  return !s.extras.pictures ||
         (s.session.worksheet && s.session.format != nullptr &&
          s.session.format->name == "html");
}

constexpr ProgramInfo program = {"reaction-drill",
                                 "Practise predicting the products of chemical "
                                 "reactions and their equations.",
                                 REACTION_DRILL_VERSION};

}  // namespace

int reactionDrill(const std::vector<std::string>& args,
                  const Console& console) {
  DrillSettings settings;
  int status = 0;
  if (!parseOptions(program, options(), args, settings, console.out,
                    console.err, status)) {
    return status;
  }
  if (!picturesFit(settings)) {
    return usageError(program, console.err,
                      "--pictures needs --worksheet --format html");
  }
  return runSession(
      program, settings.session,
      [&settings](const SheetRequest& request) {
        return drillWorksheet(request, settings.extras);
      },
      [&settings](std::istream& in, std::ostream& out, std::uint64_t seed) {
        return runDrill(in, out, seed, settings);
      },
      console);
}
