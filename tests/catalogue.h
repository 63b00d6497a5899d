// Test helpers: catalogue ions by name.
#ifndef REACTION_DRILL_TESTS_CATALOGUE_H_
#define REACTION_DRILL_TESTS_CATALOGUE_H_

#include <stdexcept>
#include <string>
#include <string_view>

#include "ion.h"

// The catalogue ion called `name`; throws if there is none, so a misspelt
// name in a test fails loudly.
inline Ion named(std::string_view name) {
  for (const Ion& i : catalogue()) {
    if (i.name == name) return i;
  }
  throw std::invalid_argument("no ion named " + std::string(name));
}

#endif  // REACTION_DRILL_TESTS_CATALOGUE_H_
