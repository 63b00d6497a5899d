// Which ions and compounds school chemistry knows. The catalogue holds an
// ion that forms no simple compound, and its ions pair into some compounds
// that do not exist, or not as the formula says; no question names any of
// them, as a reactant or as a product.
#ifndef REACTION_DRILL_SHARED_ION_COMPOUNDS_H_
#define REACTION_DRILL_SHARED_ION_COMPOUNDS_H_

#include <string_view>

#include "ion_catalogue.h"
#include "ion_solubility.h"

namespace chemistry {

// Ions, by name, that form no simple compound.
inline constexpr std::string_view ionsNeverNamed = "copper(III)";

struct CompoundRule {
  std::string_view cations;  // by name; empty for every cation
  std::string_view anions;   // by formula; empty for every anion
  bool exists;
};

inline constexpr bool exists = true;
inline constexpr bool never = false;

// Applied top to bottom; the first rule that covers the pair decides, and
// a pair that no rule covers exists.
// clang-format off
inline constexpr CompoundRule compoundRules[] = {
    // cations                                    anions   exists
    // Gold(III) forms its chloride and bromide; no other gold compound is
    // school chemistry.
    {"gold",                                      "Cl Br", exists},
    {"gold",                                      "",      never},
    {"ammonium",                                  "O N P", never},
    // Only the most reactive metals, and zinc, form phosphides.
    {"lithium sodium potassium magnesium calcium barium aluminium zinc",
                                                  "P",     exists},
    {"",                                          "P",     never},
    // A carbonate ion and a 3+ ion hydrolyse each other; beryllium and
    // mercury(II) give basic salts or the oxide instead.
    {"aluminium chromium iron(III) gold beryllium mercury",
                                                  "CO3",   never},
    {"lithium sodium potassium ammonium magnesium calcium barium",
                                                  "HCO3",  exists},
    {"",                                          "HCO3",  never},
    // Silver and mercury(II) give their oxides where a hydroxide would form.
    {"silver mercury",                            "OH",    never},
    // Copper(II) and iron(III) take the electrons of iodide: they give
    // copper(I) iodide and iodine, or iron(II) and iodine.
    {"copper copper(II) iron(III)",               "I",     never},
};
// clang-format on

}  // namespace chemistry

// Whether any question may name `i`.
inline bool isNamed(const Ion& i) {
  return !isListed(chemistry::ionsNeverNamed, i.name);
}

namespace ion_detail {

inline bool existsByTheRules(const Ion& cation, const Ion& anion) {
  if (!isNamed(cation) || !isNamed(anion)) return false;
  // Anions first: most rules name a few, and a formula is short.
  for (const chemistry::CompoundRule& rule : chemistry::compoundRules) {
    if (ion_detail::covers(rule.anions, anion.formula) &&
        ion_detail::covers(rule.cations, cation.name)) {
      return rule.exists;
    }
  }
  return true;
}

}  // namespace ion_detail

// Whether the compound of `cation` and `anion` exists, so that a question
// may name it.
inline bool compoundExists(const Ion& cation, const Ion& anion) {
  return pairFact(cation, anion, [](const Ion& c, const Ion& a) {
    return ion_detail::existsByTheRules(c, a);
  });
}

#endif  // REACTION_DRILL_SHARED_ION_COMPOUNDS_H_
