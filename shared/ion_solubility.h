// The solubility rules: whether the salt of a cation and an anion
// dissolves, from a short ordered list of rules, and which acids stay
// molecules in water.
#ifndef REACTION_DRILL_SHARED_ION_SOLUBILITY_H_
#define REACTION_DRILL_SHARED_ION_SOLUBILITY_H_

#include <string_view>

#include "ion_catalogue.h"
#include "text.h"

// Solubility codes, the answers of isSolubleChar.
inline constexpr char soluble = 'Y';
inline constexpr char insoluble = 'N';
inline constexpr char noRule = ' ';  // the rules cannot tell

namespace chemistry {

struct SolubilityRule {
  std::string_view cations;  // the cation formulas the rule covers, or empty
                             // for every cation
  std::string_view anions;   // the anion formulas it covers, or empty for
                             // every anion
  char usual;                // the code for the ions it covers
  bool asked;  // whether a quiz may ask it: an oxide does not dissolve, but
               // neither does it stay in the water unchanged
  std::string_view exceptions;  // cations that take the opposite code
};

// Applied top to bottom; the first rule that covers the pair decides.
// clang-format off
inline constexpr SolubilityRule solubilityRules[] = {
    // cations         anions       usual  asked  cations with the opposite code
    // Oxides, nitrides and phosphides react with water instead.
    {"",               "O N P",     'N',   false, ""},
    {"K Na Li NH4 H",  "",          'Y',   true,  ""},
    {"",               "NO3 HCO3",  'Y',   true,  ""},
    {"",               "Cl Br",     'Y',   true,  "Ag Pb"},
    {"",               "I",         'Y',   true,  "Ag Pb Hg"},
    {"",               "SO4",       'Y',   true,  "Ba Sr Pb"},
    {"",               "OH",        'N',   true,  "Ba Sr"},
    {"",               "CO3 PO4",   'N',   true,  ""},
    {"",               "S",         'N',   true,  "Be Mg Ca Ba Sr"},
    {"",               "F",         'Y',   true,  "Mg Ca Ba Sr Pb Mn"},
};
// clang-format on

// The anions whose acids are weak: the acid stays a molecule in water.
inline constexpr std::string_view weakAcidAnions = "F PO4 CO3";

}  // namespace chemistry

namespace ion_detail {

// Whether `words` is empty, standing for every formula, or lists `word`.
inline bool covers(std::string_view words, std::string_view word) {
  return words.empty() || isListed(words, word);
}

}  // namespace ion_detail

// The rule that decides whether the salt of cation `rp` with anion `rn`
// dissolves, or null when no rule covers the pair. The order of the
// arguments matters.
inline const chemistry::SolubilityRule* solubilityRule(const Ion& rp,
                                                       const Ion& rn) {
  for (const chemistry::SolubilityRule& rule : chemistry::solubilityRules) {
    if (ion_detail::covers(rule.cations, rp.formula) &&
        ion_detail::covers(rule.anions, rn.formula)) {
      return &rule;
    }
  }
  return nullptr;
}

// The solubility code of the salt of cation `rp` with anion `rn`: 'Y', 'N',
// or a blank when no rule covers the pair.
inline char isSolubleChar(const Ion& rp, const Ion& rn) {
  const chemistry::SolubilityRule* rule = solubilityRule(rp, rn);
  if (rule == nullptr) return noRule;
  if (!isListed(rule->exceptions, rp.formula)) return rule->usual;
  return rule->usual == soluble ? insoluble : soluble;
}

// Whether the acid of `anion` is weak: in water it stays a molecule and is
// written whole, never as hydrogen ions.
inline bool isWeakAcid(const Ion& anion) {
  return isListed(chemistry::weakAcidAnions, anion.formula);
}

#endif  // REACTION_DRILL_SHARED_ION_SOLUBILITY_H_
