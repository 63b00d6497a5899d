// The solubility rules: whether the salt of a cation and an anion
// dissolves, from a short ordered list of rules, and which acids and bases
// stay molecules in water.
#ifndef REACTION_DRILL_SHARED_ION_SOLUBILITY_H_
#define REACTION_DRILL_SHARED_ION_SOLUBILITY_H_

#include <string>
#include <string_view>

#include "ion_catalogue.h"
#include "text.h"

// Solubility codes, the answers of isSolubleChar.
inline constexpr char soluble = 'Y';
inline constexpr char insoluble = 'N';
inline constexpr char noRule = ' ';  // the rules cannot tell

namespace chemistry {

// What a salt does in water.
enum class InWater {
  dissolves,
  staysSolid,
  // Never a solution nor a precipitate: it reacts with the water instead,
  // an oxide to the hydroxide, a sulfide to hydrogen sulfide.
  reactsWithWater,
};

struct SolubilityRule {
  std::string_view cations;  // the cation formulas the rule covers, or empty
                             // for every cation
  std::string_view anions;   // the anion formulas it covers, or empty for
                             // every anion
  InWater usually;           // what the salts it covers do
  // Cations whose salts do the other: stay solid where the rule's dissolve,
  // dissolve where the rule's stay solid.
  std::string_view exceptions;
};

inline constexpr InWater dissolves = InWater::dissolves;
inline constexpr InWater staysSolid = InWater::staysSolid;
inline constexpr InWater reactsWithWater = InWater::reactsWithWater;

// Applied top to bottom; the first rule that covers the pair decides.
// clang-format off
inline constexpr SolubilityRule solubilityRules[] = {
    // cations            anions      usually          exceptions
    {"K Na Li Ca Sr Ba",  "O",        reactsWithWater, ""},
    {"",                  "O",        staysSolid,      ""},
    {"",                  "N P",      reactsWithWater, ""},
    {"Be Mg Al Cr",       "S",        reactsWithWater, ""},
    {"K Na Li NH4",       "",         dissolves,       ""},
    {"",                  "NO3 HCO3", dissolves,       ""},
    {"",                  "Cl Br",    dissolves,       "Ag Pb"},
    {"",                  "I",        dissolves,       "Ag Pb Hg"},
    {"",                  "SO4",      dissolves,       "Ba Sr Pb Ca"},
    {"",                  "OH",       staysSolid,      "Ba Sr"},
    {"",                  "CO3 PO4",  staysSolid,      ""},
    {"",                  "S",        staysSolid,      "Ca Ba Sr"},
    {"",                  "F",        dissolves,       "Mg Ca Ba Sr Pb Mn"},
};
// clang-format on

// The anions whose acids are weak: the acid stays a molecule in water.
inline constexpr std::string_view weakAcidAnions = "F PO4 CO3";

// The cation and anion of the one weak base: ammonium hydroxide stays a
// molecule in water, as the weak acids do.
inline constexpr std::string_view weakBaseCation = "NH4";
inline constexpr std::string_view weakBaseAnion = "OH";

}  // namespace chemistry

namespace ion_detail {

// Whether `words` is empty, standing for every formula, or lists `word`.
inline bool covers(std::string_view words, std::string_view word) {
  return words.empty() || isListed(words, word);
}

}  // namespace ion_detail

// The rule that decides what the salt of the cation formula `cation` with
// the anion formula `anion` does in water, or null when no rule covers the
// pair.
inline const chemistry::SolubilityRule* solubilityRuleOf(
    std::string_view cation, std::string_view anion) {
  // Anions first: most rules name a few, and the draws ask often.
  for (const chemistry::SolubilityRule& rule : chemistry::solubilityRules) {
    if (ion_detail::covers(rule.anions, anion) &&
        ion_detail::covers(rule.cations, cation)) {
      return &rule;
    }
  }
  return nullptr;
}

// The rule that decides whether the salt of cation `rp` with anion `rn`
// dissolves, or null when no rule covers the pair. The order of the
// arguments matters.
inline const chemistry::SolubilityRule* solubilityRule(const Ion& rp,
                                                       const Ion& rn) {
  return solubilityRuleOf(rp.formula, rn.formula);
}

// What `rule` says of the salts of the cation formula `cation`.
inline chemistry::InWater inWaterBy(const chemistry::SolubilityRule& rule,
                                    std::string_view cation) {
  if (!isListed(rule.exceptions, cation)) return rule.usually;
  return rule.usually == chemistry::dissolves ? chemistry::staysSolid
                                              : chemistry::dissolves;
}

// The solubility code of the salt of cation `rp` with anion `rn`: 'Y', 'N',
// or a blank when no rule covers the pair. A salt that reacts with water
// does not dissolve.
inline char isSolubleChar(const Ion& rp, const Ion& rn) {
  return pairFact(rp, rn, [](const Ion& c, const Ion& a) {
    const chemistry::SolubilityRule* rule = solubilityRule(c, a);
    if (rule == nullptr) return noRule;
    return inWaterBy(*rule, c.formula) == chemistry::dissolves ? soluble
                                                               : insoluble;
  });
}

// Whether the salt of `rp` and `rn` can stand in water, dissolved or as a
// solid: one that reacts with water is never a solution nor a precipitate,
// and no quiz asks whether it dissolves. A pair no rule covers passes.
inline bool staysInWater(const Ion& rp, const Ion& rn) {
  const chemistry::SolubilityRule* rule = solubilityRule(rp, rn);
  return rule == nullptr || rule->usually != chemistry::reactsWithWater;
}

// Whether the acid of `anion` is weak: in water it stays a molecule and is
// written whole, never as hydrogen ions.
inline bool isWeakAcid(const Ion& anion) {
  return isListed(chemistry::weakAcidAnions, anion.formula);
}

// Why the acid of `anion` is written as it is, for a weak one.
inline std::string weakAcidReason(const Ion& anion) {
  return anion.acidname + " acid is a weak acid: it stays a molecule in water.";
}

// Whether the compound of `cation` and `anion` is the weak base, ammonium
// hydroxide: dissolved, it stays a molecule and is written whole.
inline bool isWeakBase(const Ion& cation, const Ion& anion) {
  return cation.formula == chemistry::weakBaseCation &&
         anion.formula == chemistry::weakBaseAnion;
}

#endif  // REACTION_DRILL_SHARED_ION_SOLUBILITY_H_
