// Which ions and compounds school chemistry knows. The catalogue holds an
// ion that forms no simple compound, and its ions pair into some compounds
// that do not exist; no question names any of them, as a reactant or as a
// product.
#ifndef REACTION_DRILL_SHARED_ION_COMPOUNDS_H_
#define REACTION_DRILL_SHARED_ION_COMPOUNDS_H_

#include <algorithm>
#include <iterator>
#include <string_view>

#include "ion_catalogue.h"
#include "ion_solubility.h"

namespace chemistry {

// Ions, by name, that form no simple compound.
inline constexpr std::string_view ionsNeverNamed = "copper(III)";

struct CompoundRule {
  std::string_view anions;    // the anion formulas the rule covers
  std::string_view onlyWith;  // the cations, by name, that form them; empty
                              // for every cation
  std::string_view never;     // cations, by name, that never form them
};

// Each row says which compounds of its anions exist.
// clang-format off
inline constexpr CompoundRule compoundRules[] = {
    // anions  formed only with                                       never with
    {"O N P",  "",                                                    "ammonium"},
    // A carbonate ion and a 3+ ion hydrolyse each other.
    {"CO3",    "",                                                    "aluminium chromium iron(III) gold"},
    {"HCO3",   "lithium sodium potassium ammonium magnesium barium", ""},
};
// clang-format on

}  // namespace chemistry

// Whether any question may name `i`.
inline bool isNamed(const Ion& i) {
  return !isListed(chemistry::ionsNeverNamed, i.name);
}

// Whether the compound of `cation` and `anion` exists, so that a question
// may name it.
inline bool compoundExists(const Ion& cation, const Ion& anion) {
  if (!isNamed(cation) || !isNamed(anion)) return false;
  return std::all_of(std::begin(chemistry::compoundRules),
                     std::end(chemistry::compoundRules),
                     [&](const chemistry::CompoundRule& rule) {
                       return !isListed(rule.anions, anion.formula) ||
                              (!isListed(rule.never, cation.name) &&
                               ion_detail::covers(rule.onlyWith, cation.name));
                     });
}

#endif  // REACTION_DRILL_SHARED_ION_COMPOUNDS_H_
