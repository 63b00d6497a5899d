// The solubility rules as a teacher says them. Each sentence states the
// whole rule, the salts that an earlier rule takes out of it included, so
// that a sentence printed alone says nothing false: "Hydroxides do not
// dissolve, except those of the group 1 metals and ammonium, and of barium
// and strontium." Each is written from a statement, the rule as data,
// which the tests hold against what the rules decide for every salt.
#ifndef REACTION_DRILL_SHARED_SOLUBILITY_SENTENCES_H_
#define REACTION_DRILL_SHARED_SOLUBILITY_SENTENCES_H_

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ion_catalogue.h"
#include "ion_compounds.h"
#include "ion_names.h"
#include "ion_solubility.h"
#include "text.h"

// Salts that a rule's sentence names apart from the rest, and what they do.
struct SaltsApart {
  // Cation formulas; for a rule of every anion, anion formulas.
  std::vector<std::string_view> formulas;
  chemistry::InWater inWater;
};

// A rule as its sentence states it: what its salts usually do, and the
// salts apart, in the order the sentence names them: an earlier rule's
// salts, then the rule's own exceptions.
struct RuleStatement {
  chemistry::InWater usually;
  std::vector<SaltsApart> apart;
};

namespace solubility_detail {

// Whether a salt of the cation formula `cation` and the anion formula
// `anion` exists: of a cation the catalogue does not hold, the rules name
// only salts that do.
inline bool anyCompound(std::string_view cation, std::string_view anion) {
  if (catalogueIonWithFormula(cation) == nullptr) return true;
  for (const Ion& c : catalogue()) {
    for (const Ion& a : catalogue()) {
      if (!c.isAnion() && a.isAnion() && c.formula == cation &&
          a.formula == anion && compoundExists(c, a)) {
        return true;
      }
    }
  }
  return false;
}

// Whether `earlier` decides the salt of `cation` with `anion`, where it
// exists, and says of it otherwise than `usually`.
inline bool decidesOtherwise(const chemistry::SolubilityRule& earlier,
                             std::string_view cation, std::string_view anion,
                             chemistry::InWater usually) {
  return anyCompound(cation, anion) &&
         solubilityRuleOf(cation, anion) == &earlier &&
         inWaterBy(earlier, cation) != usually;
}

// Adds `formulas`, which do `inWater`, to `apart`: into the group that does
// the same where `merge`, else as a group of their own.
inline void addApart(std::vector<SaltsApart>& apart,
                     const std::vector<std::string_view>& formulas,
                     chemistry::InWater inWater, bool merge) {
  if (formulas.empty()) return;
  for (SaltsApart& group : apart) {
    if (!merge || group.inWater != inWater) continue;
    group.formulas.insert(group.formulas.end(), formulas.begin(),
                          formulas.end());
    return;
  }
  apart.push_back({formulas, inWater});
}

// For a rule of every anion: the anions whose salts with its cations an
// earlier rule decides otherwise, grouped by what those salts do.
inline std::vector<SaltsApart> anionsApart(
    const chemistry::SolubilityRule& rule) {
  std::vector<SaltsApart> apart;
  for (const chemistry::SolubilityRule* e = chemistry::solubilityRules;
       e != &rule; ++e) {
    for (const std::string_view a : wordsOf(e->anions)) {
      for (const std::string_view c : wordsOf(rule.cations)) {
        if (!decidesOtherwise(*e, c, a, rule.usually)) continue;
        addApart(apart, {a}, inWaterBy(*e, c), true);
        break;
      }
    }
  }
  return apart;
}

// For a rule of some anions: the cations, earlier rule by earlier rule,
// whose salts with its anions that rule decides otherwise; then its own
// exceptions.
inline std::vector<SaltsApart> cationsApart(
    const chemistry::SolubilityRule& rule) {
  std::vector<SaltsApart> apart;
  for (const chemistry::SolubilityRule* e = chemistry::solubilityRules;
       e != &rule; ++e) {
    std::vector<std::string_view> taken;
    for (const std::string_view c : wordsOf(e->cations)) {
      if (!ion_detail::covers(rule.cations, c)) continue;
      for (const std::string_view a : wordsOf(rule.anions)) {
        if (decidesOtherwise(*e, c, a, rule.usually)) {
          taken.push_back(c);
          break;
        }
      }
    }
    if (!taken.empty()) {
      const chemistry::InWater inWater = inWaterBy(*e, taken.front());
      addApart(apart, taken, inWater, false);
    }
  }
  const std::vector<std::string_view> own = wordsOf(rule.exceptions);
  if (!own.empty()) addApart(apart, own, inWaterBy(rule, own.front()), false);
  return apart;
}

}  // namespace solubility_detail

// What `rule`'s sentence states. REQUIRES: `rule` is a row of
// chemistry::solubilityRules.
inline RuleStatement ruleStatement(const chemistry::SolubilityRule& rule) {
  return {rule.usually, rule.anions.empty()
                            ? solubility_detail::anionsApart(rule)
                            : solubility_detail::cationsApart(rule)};
}

namespace solubility_detail {

inline std::string_view verb(chemistry::InWater inWater) {
  switch (inWater) {
    case chemistry::InWater::dissolves:
      return "dissolve";
    case chemistry::InWater::staysSolid:
      return "do not dissolve";
    case chemistry::InWater::reactsWithWater:
      break;
  }
  return "react with water instead";
}

// A rule of some anions: "Hydroxides do not dissolve, except those of ...,
// and of ...; those of ... react with water instead."
inline std::string anionRuleSentence(const chemistry::SolubilityRule& rule,
                                     const RuleStatement& said) {
  std::string s = anionNames(wordsOf(rule.anions));
  if (!rule.cations.empty()) {
    s += " of " + listed(cationNames(wordsOf(rule.cations)));
  }
  s += said.usually == chemistry::reactsWithWater
           ? " do not dissolve: they react with water instead"
           : " " + std::string(verb(said.usually));
  std::vector<std::string> others;
  std::vector<std::string_view> reacting;
  for (const SaltsApart& group : said.apart) {
    if (group.inWater == chemistry::reactsWithWater) {
      reacting.insert(reacting.end(), group.formulas.begin(),
                      group.formulas.end());
    } else {
      others.push_back(listed(cationNames(group.formulas)));
    }
  }
  for (std::size_t k = 0; k < others.size(); ++k) {
    s += (k == 0 ? ", except those of " : ", and of ") + others[k];
  }
  if (!reacting.empty()) {
    s += "; those of " + listed(cationNames(reacting)) +
         " react with water instead";
  }
  return capitalised(s + ".");
}

// A rule of some cations and every anion: "Salts of ... dissolve, except
// their oxides, which react with water instead."
inline std::string cationRuleSentence(const chemistry::SolubilityRule& rule,
                                      const RuleStatement& said) {
  std::string s = "Salts of " + listed(cationNames(wordsOf(rule.cations))) +
                  " " + std::string(verb(said.usually));
  for (const SaltsApart& group : said.apart) {
    s += ", except their " + anionNames(group.formulas) + ", which " +
         std::string(verb(group.inWater));
  }
  return s + ".";
}

}  // namespace solubility_detail

// The sentence of `rule`, written once from its statement. REQUIRES: `rule`
// is a row of chemistry::solubilityRules.
inline const std::string& ruleSentence(const chemistry::SolubilityRule& rule) {
  static const auto sentences = [] {
    std::vector<std::string> all;
    for (const chemistry::SolubilityRule& r : chemistry::solubilityRules) {
      const RuleStatement said = ruleStatement(r);
      all.push_back(r.anions.empty()
                        ? solubility_detail::cationRuleSentence(r, said)
                        : solubility_detail::anionRuleSentence(r, said));
    }
    return all;
  }();
  return sentences[static_cast<std::size_t>(&rule -
                                            chemistry::solubilityRules)];
}

#endif  // REACTION_DRILL_SHARED_SOLUBILITY_SENTENCES_H_
