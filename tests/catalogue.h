// Test helpers: catalogue ions by name, and fuels by formula.
#ifndef REACTION_DRILL_TESTS_CATALOGUE_H_
#define REACTION_DRILL_TESTS_CATALOGUE_H_

#include <stdexcept>
#include <string>
#include <string_view>

#include "ion.h"
#include "reaction_types.h"

// The catalogue ion called `name`, or else shown as `name` ("manganese(II)"
// for the catalogue's plain manganese); throws if there is none, so a
// misspelt name in a test fails loudly.
inline Ion named(std::string_view name) {
  for (const Ion& i : catalogue()) {
    if (i.name == name) return i;
  }
  for (const Ion& i : catalogue()) {
    if (ionName(i) == name) return i;
  }
  throw std::invalid_argument("no ion named " + std::string(name));
}

// The combustion of the fuel of `formula`, as the table of fuels gives it.
inline Reaction burning(const std::string& formula) {
  Reaction found{8, {}};
  reactionType(8).everyDraw([&](const Reactants& r) {
    if (compose(Reaction{8, r}).question.find(" " + formula + " ") !=
        std::string::npos) {
      found.reactants = r;
    }
  });
  return found;
}

#endif  // REACTION_DRILL_TESTS_CATALOGUE_H_
