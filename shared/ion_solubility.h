// The solubility rules: whether the salt of a cation and an anion
// dissolves, from a short ordered list of rules.
#ifndef REACTION_DRILL_SHARED_ION_SOLUBILITY_H_
#define REACTION_DRILL_SHARED_ION_SOLUBILITY_H_

#include <string_view>

#include "ion_catalogue.h"

// Solubility codes, the answers of isSolubleChar.
inline constexpr char soluble = 'Y';
inline constexpr char insoluble = 'N';
inline constexpr char noRule = ' ';  // the rules cannot tell

namespace chemistry {

// Salts of these cations dissolve whatever the anion; this is checked before
// any of the anion rules below.
inline constexpr std::string_view alwaysSolubleCations = "K H Na NH4";

struct SolubilityRule {
  std::string_view anions;      // the anion formulas the rule covers
  char usual;                   // the code for most cations
  std::string_view exceptions;  // cations that take the opposite code
};

// Applied top to bottom; the first rule that covers the anion decides.
// Nitride and phosphide have no rule: the rules cannot tell their salts.
// clang-format off
inline constexpr SolubilityRule solubilityRules[] = {
    // anions        usual  cations with the opposite code
    {"NO3 HCO3",     'Y',   ""},
    {"Cl I Br",      'Y',   "Ag Hg Pb"},
    {"SO4",          'Y',   "Ba Sr Pb"},
    {"CO3 PO4 OH",   'N',   ""},
    {"S",            'N',   "Be Mg Ca Ba Sr"},
    {"F",            'Y',   "Be Mg Ca Ba Sr Pb Mn"},
    {"O",            'N',   "Ca Ba"},
};
// clang-format on

}  // namespace chemistry

namespace ion_detail {

// Whether `word` is one of the blank-separated words of `words`.
inline bool listed(std::string_view words, std::string_view word) {
  while (!words.empty()) {
    const std::size_t end = words.find(' ');
    if (words.substr(0, end) == word) return true;
    if (end == std::string_view::npos) break;
    words.remove_prefix(end + 1);
  }
  return false;
}

}  // namespace ion_detail

// The solubility code of the salt of cation `rp` with anion `rn`: 'Y', 'N',
// or a blank when no rule covers the pair. The order of the arguments
// matters.
inline char isSolubleChar(const Ion& rp, const Ion& rn) {
  if (ion_detail::listed(chemistry::alwaysSolubleCations, rp.formula)) {
    return soluble;
  }
  for (const chemistry::SolubilityRule& rule : chemistry::solubilityRules) {
    if (!ion_detail::listed(rule.anions, rn.formula)) continue;
    if (!ion_detail::listed(rule.exceptions, rp.formula)) return rule.usual;
    return rule.usual == soluble ? insoluble : soluble;
  }
  return noRule;
}

#endif  // REACTION_DRILL_SHARED_ION_SOLUBILITY_H_
