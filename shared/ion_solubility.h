// The solubility rules: whether the salt of a cation and an anion
// dissolves, from a short ordered list of rules, and which acids stay
// molecules in water.
#ifndef REACTION_DRILL_SHARED_ION_SOLUBILITY_H_
#define REACTION_DRILL_SHARED_ION_SOLUBILITY_H_

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

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
  std::string_view because;     // what a teacher adds to the rule, if any
};

// Applied top to bottom; the first rule that covers the pair decides.
// clang-format off
inline constexpr SolubilityRule solubilityRules[] = {
    // cations        anions      usual asked  opposite code        because
    {"",              "O N P",    'N',  false, "",                  "they react with water instead"},
    {"K Na Li NH4 H", "",         'Y',  true,  "",                  ""},
    {"",              "NO3 HCO3", 'Y',  true,  "",                  ""},
    {"",              "Cl Br",    'Y',  true,  "Ag Pb",             ""},
    {"",              "I",        'Y',  true,  "Ag Pb Hg",          ""},
    {"",              "SO4",      'Y',  true,  "Ba Sr Pb",          ""},
    {"",              "OH",       'N',  true,  "Ba Sr",             ""},
    {"",              "CO3 PO4",  'N',  true,  "",                  ""},
    {"",              "S",        'N',  true,  "Be Mg Ca Ba Sr",    ""},
    {"",              "F",        'Y',  true,  "Mg Ca Ba Sr Pb Mn", ""},
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

// Why the acid of `anion` is written as it is, for a weak one.
inline std::string weakAcidReason(const Ion& anion) {
  return anion.acidname + " acid is a weak acid: it stays a molecule in water.";
}

namespace chemistry {

struct ElementName {
  std::string_view formula;
  std::string_view name;
};

// The elements the rules name that the catalogue holds no ion of.
// clang-format off
inline constexpr ElementName otherElementNames[] = {
    // formula  name
    {"Ca",      "calcium"},
    {"Sr",      "strontium"},
    {"H",       "hydrogen"},
};
// clang-format on

}  // namespace chemistry

namespace ion_detail {

// The element of a cation formula, as the catalogue names its ion without
// a charge in brackets: "lead" for "Pb".
inline std::string elementName(std::string_view formula) {
  for (const chemistry::ElementName& e : chemistry::otherElementNames) {
    if (e.formula == formula) return std::string(e.name);
  }
  const chemistry::CatalogueRow* row = catalogueIonWithFormula(formula);
  if (row == nullptr) return std::string(formula);
  return std::string(row->name.substr(0, row->name.find('(')));
}

// "chlorides" for "Cl".
inline std::string anionsNamed(std::string_view formula) {
  for (const chemistry::CatalogueRow& row : chemistry::ionCatalogue) {
    if (row.sign && row.formula == formula) return std::string(row.name) + "s";
  }
  return std::string(formula);
}

// The names of each formula of the blank-separated `formulas`.
template <typename Name>
std::vector<std::string> namesOf(std::string_view formulas, Name name) {
  std::vector<std::string> names;
  for (std::size_t at = 0; at < formulas.size();) {
    const std::size_t end = std::min(formulas.find(' ', at), formulas.size());
    names.push_back(name(formulas.substr(at, end - at)));
    at = end + 1;
  }
  return names;
}

}  // namespace ion_detail

// The rule as a teacher says it: "Chlorides and bromides dissolve, except
// those of silver and lead.", written from its own columns, so that the two
// can never disagree.
namespace ion_detail {

inline std::string writtenSentence(const chemistry::SolubilityRule& rule) {
  std::string sentence =
      rule.anions.empty()
          ? "salts of " + listed(ion_detail::namesOf(rule.cations,
                                                     ion_detail::elementName))
          : listed(ion_detail::namesOf(rule.anions, ion_detail::anionsNamed));
  sentence += rule.usual == soluble ? " dissolve" : " do not dissolve";
  if (!rule.exceptions.empty()) {
    sentence +=
        ", except those of " +
        listed(ion_detail::namesOf(rule.exceptions, ion_detail::elementName));
  }
  if (!rule.because.empty()) sentence += ": " + std::string(rule.because);
  return capitalised(sentence + ".");
}

}  // namespace ion_detail

// The sentences are the same every time, so each is written once.
// REQUIRES: `rule` is a row of chemistry::solubilityRules.
inline const std::string& ruleSentence(const chemistry::SolubilityRule& rule) {
  static const auto sentences = [] {
    std::vector<std::string> all;
    for (const chemistry::SolubilityRule& r : chemistry::solubilityRules) {
      all.push_back(ion_detail::writtenSentence(r));
    }
    return all;
  }();
  return sentences[static_cast<std::size_t>(&rule -
                                            chemistry::solubilityRules)];
}

#endif  // REACTION_DRILL_SHARED_ION_SOLUBILITY_H_
