// reaction-drill: practise predicting the products of chemical reactions.
#include <iostream>
#include <string_view>

#include "dialogue.h"
#include "drill_sheet.h"
#include "options.h"
#include "program.h"
#include "session_options.h"

namespace {

OptionError showFormulas(DrillSettings& s, std::string_view /*value*/) {
  s.formulas = true;
  return std::nullopt;
}

using Row = Option<DrillSettings>;

// The options, as the manual page lists them; -h and -V come with every
// program.
// clang-format off
constexpr Row options[] = {
    // long name   short  value  usage                                        apply
    {"formulas",   'f',   "",    "also show the balanced formula equations",  showFormulas},
    {"seed",       's',   "N",   "draw the questions of seed N (0 to 2^64-1)", seedOption<DrillSettings>},
    {"type",       't',   "T",   "ask only type T (0 random, 1 to 8), no menu", typeOption<DrillSettings>},
    {"count",      'n',   "N",   "end after N questions",                      countOption<DrillSettings>},
    {"worksheet",  'w',   "",    "write a worksheet and its key instead",      worksheetOption<DrillSettings>},
    {"format",     0,     "F",   "the worksheet as text, markdown or html",    formatOption<DrillSettings>},
};
// clang-format on

constexpr ProgramInfo program = {
    "reaction-drill", "Practise predicting the products of chemical reactions.",
    REACTION_DRILL_VERSION};

}  // namespace

int main(int argc, char** argv) {
  DrillSettings settings;
  if (const std::optional<int> status =
          parseOptions(program, options, argumentsOf(argc, argv), settings,
                       std::cout, std::cerr)) {
    return *status;
  }
  return runSession(
      program, settings.session,
      [&settings](std::uint64_t seed, std::uint32_t choice, std::uint32_t count,
                  SheetFormat format) {
        return drillWorksheet(seed, choice, count, settings.formulas, format);
      },
      [&settings](std::istream& in, std::ostream& out) {
        return runDrill(in, out, settings);
      });
}
