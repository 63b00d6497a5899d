// Test helpers: catalogue ions by name, and a reaction type's number.
#ifndef REACTION_DRILL_TESTS_CATALOGUE_H_
#define REACTION_DRILL_TESTS_CATALOGUE_H_

#include <stdexcept>
#include <string>
#include <string_view>

#include "ion.h"
#include "reaction_types.h"

// The catalogue ion called `name`; throws if there is none, so a misspelt
// name in a test fails loudly.
inline Ion named(std::string_view name) {
  for (const Ion& i : catalogue()) {
    if (i.name == name) return i;
  }
  throw std::invalid_argument("no ion named " + std::string(name));
}

// The number of reaction type `type` in the menu, so that a test of one
// type names it rather than its place.
inline unsigned numberOf(const ReactionType& type) {
  for (unsigned k = 1; k <= reactionTypes; ++k) {
    if (&reactionType(k) == &type) return k;
  }
  throw std::invalid_argument("no such reaction type in the table");
}

#endif  // REACTION_DRILL_TESTS_CATALOGUE_H_
