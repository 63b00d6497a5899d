// The names the programs give ions, elements and groups of them in words:
// an element's name, a group's, an anion's plural, and the name of an ion
// with its charge where its element has more than one.
#ifndef REACTION_DRILL_SHARED_ION_NAMES_H_
#define REACTION_DRILL_SHARED_ION_NAMES_H_

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ion_catalogue.h"
#include "text.h"

namespace chemistry {

struct ElementName {
  std::string_view formula;
  std::string_view name;
};

// The elements the rules name that the catalogue holds no ion of.
// clang-format off
inline constexpr ElementName otherElementNames[] = {
    // formula  name
    {"Sr",      "strontium"},
};
// clang-format on

// Cations a sentence names together where it names all of them.
struct CationGroup {
  std::string_view members;  // formulas
  std::string_view name;
};
// clang-format off
inline constexpr CationGroup cationGroups[] = {
    // members   name
    {"K Na Li",  "the group 1 metals"},
};
// clang-format on

// The metals of more than one common charge, by formula: in every name of
// one of their ions or compounds the charge stands in Roman numerals,
// "copper(II)", whatever the catalogue's row calls the ion.
inline constexpr std::string_view severalCharges = "Fe Cu Sn Pb Hg Co Mn Cr Au";

}  // namespace chemistry

// True for a name such as "iron(III)" that states the charge; plain "iron"
// does not.
inline bool namesItsCharge(const Ion& i) {
  return !i.name.empty() && i.name.back() == ')';
}

// Appends the name of `i` in a compound or as dissolved ions to `text`:
// "copper(II)" for the catalogue's plain copper, since copper forms
// copper(I) too; any other ion's name as the catalogue gives it.
inline void appendIonName(std::string& text, const Ion& i) {
  constexpr std::string_view numerals[] = {"", "(I)", "(II)", "(III)"};
  text += i.name;
  if (i.isAnion() || namesItsCharge(i) || i.valency < 1 || i.valency > 3 ||
      !isListed(chemistry::severalCharges, i.formula)) {
    return;
  }
  text += numerals[i.valency];
}

// appendIonName's name alone.
inline std::string ionName(const Ion& i) {
  std::string name;
  appendIonName(name, i);
  return name;
}

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

// The names of cation formulas as a sentence gives them: each element's
// name, or a group's where all of it is there.
inline std::vector<std::string> cationNames(
    const std::vector<std::string_view>& formulas) {
  std::vector<std::string> names;
  for (const std::string_view f : formulas) {
    const chemistry::CationGroup* group = nullptr;
    for (const chemistry::CationGroup& g : chemistry::cationGroups) {
      const std::vector<std::string_view> members = wordsOf(g.members);
      if (std::all_of(members.begin(), members.end(),
                      [&](std::string_view m) {
                        return std::find(formulas.begin(), formulas.end(), m) !=
                               formulas.end();
                      }) &&
          isListed(g.members, f)) {
        group = &g;
      }
    }
    std::string name =
        group != nullptr ? std::string(group->name) : elementName(f);
    if (std::find(names.begin(), names.end(), name) == names.end()) {
      names.push_back(std::move(name));
    }
  }
  return names;
}

// "chlorides and bromides" for Cl and Br.
inline std::string anionNames(const std::vector<std::string_view>& formulas) {
  std::vector<std::string> names;
  names.reserve(formulas.size());
  for (const std::string_view f : formulas) {
    names.push_back(anionsNamed(f));
  }
  return listed(names);
}

#endif  // REACTION_DRILL_SHARED_ION_NAMES_H_
