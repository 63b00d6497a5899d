// reaction-drill: practise predicting the products of chemical reactions.
#include <iostream>
#include <string_view>

#include "dialogue.h"
#include "ion.h"
#include "options.h"
#include "standard_input.h"

namespace {

OptionError showFormulas(DrillSettings& s, std::string_view /*value*/) {
  s.formulas = true;
  return std::nullopt;
}

// The options, as the manual page lists them; -h and -V come with every
// program.
// clang-format off
constexpr Option<DrillSettings> options[] = {
    // long name  short  value  usage                                      apply
    {"formulas",  'f',   "",    "also show the balanced formula equations", showFormulas},
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
  initIons();
  return runOnStandardStreams(program.name,
                              [&settings](std::istream& in, std::ostream& out) {
                                return runDrill(in, out, settings);
                              });
}
