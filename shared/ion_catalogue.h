// The ion record and the catalogue of the ions the drill knows, in the
// order the random selectors draw them, with the hydrogen ion that acids
// give and the catalogue does not draw.
#ifndef REACTION_DRILL_SHARED_ION_CATALOGUE_H_
#define REACTION_DRILL_SHARED_ION_CATALOGUE_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "require.h"

// One ion, simple or polyatomic, cation or anion. A plain value: copy it
// freely; nothing keeps a reference into the catalogue.
struct Ion {
  std::string name;          // in words, lower case: "iron(III)", "ammonium"
  bool sign = false;         // true for an anion
  std::string formula;       // without charge: "Fe", "SO4", "NH4"
  std::int16_t valency = 1;  // magnitude of the charge: 1, 2 or 3
  bool polyatomic = false;   // a group ion such as "SO4"
  std::string acidname;      // "hydrochloric" for chloride; empty if no acid
  // The catalogue row it was made from, which its copies keep; -1 for an
  // ion made from no row.
  std::int16_t row = -1;

  Ion() = default;
  // The argument order is not the field order: formula comes second.
  Ion(std::string n, std::string f, bool s, std::int16_t v, bool p,
      std::string a)
      : name(std::move(n)),
        sign(s),
        formula(std::move(f)),
        valency(v),
        polyatomic(p),
        acidname(std::move(a)) {}

  // Whether the ion is an anion: what `sign` holds.
  [[nodiscard]] bool isAnion() const { return sign; }
  // The formula with its charge: "SO42-", "Na+", "Br-".
  [[nodiscard]] std::string makeFormula() const;
  // The charge alone: "2-", "3+", "-", "+".
  [[nodiscard]] std::string getSuperscript() const;
  // This ion's subscript in the compound it forms with `other`.
  [[nodiscard]] int getSubscript(const Ion& other) const;
  // Marks `input` as this ion's formula with charge; writes one verdict line
  // to `out` and returns true only when the answer is exactly right.
  bool getResponse(std::string_view input, std::ostream& out = std::cout) const;
};

// The charge with its sign: -2 for sulfate, +3 for aluminium.
inline int signedCharge(const Ion& i) {
  return i.isAnion() ? -i.valency : i.valency;
}

namespace chemistry {

struct CatalogueRow {
  std::string_view name;
  std::string_view formula;
  bool sign;
  std::int16_t valency;
  bool polyatomic;
  std::string_view acidname;
};

inline constexpr bool anion = true;
inline constexpr bool cation = false;
inline constexpr bool group = true;
inline constexpr bool single = false;

// The ions the drill knows, in catalogue order. Positions matter: the random
// selectors draw a position.
// clang-format off
inline constexpr CatalogueRow ionCatalogue[] = {
    // name          formula sign     valency  polyatomic  acid name
    {"bromide",      "Br",   anion,   1,       single,     "hydrobromic"},
    {"barium",       "Ba",   cation,  2,       single,     ""},
    {"iodide",       "I",    anion,   1,       single,     "hydroiodic"},
    {"manganese",    "Mn",   cation,  2,       single,     ""},
    {"iron",         "Fe",   cation,  2,       single,     ""},
    {"iron(II)",     "Fe",   cation,  2,       single,     ""},
    {"iron(III)",    "Fe",   cation,  3,       single,     ""},
    {"copper",       "Cu",   cation,  2,       single,     ""},
    {"copper(II)",   "Cu",   cation,  2,       single,     ""},
    {"copper(III)",  "Cu",   cation,  3,       single,     ""},
    {"cobalt",       "Co",   cation,  2,       single,     ""},
    {"nickel",       "Ni",   cation,  2,       single,     ""},
    {"zinc",         "Zn",   cation,  2,       single,     ""},
    {"cadmium",      "Cd",   cation,  2,       single,     ""},
    {"tin(II)",      "Sn",   cation,  2,       single,     ""},
    {"gold",         "Au",   cation,  3,       single,     ""},
    {"mercury",      "Hg",   cation,  2,       single,     ""},
    {"lead(II)",     "Pb",   cation,  2,       single,     ""},
    {"chromium",     "Cr",   cation,  3,       single,     ""},
    {"silver",       "Ag",   cation,  1,       single,     ""},
    {"lithium",      "Li",   cation,  1,       single,     ""},
    {"beryllium",    "Be",   cation,  2,       single,     ""},
    {"nitride",      "N",    anion,   3,       single,     ""},
    {"oxide",        "O",    anion,   2,       single,     ""},
    {"fluoride",     "F",    anion,   1,       single,     "hydrofluoric"},
    {"sodium",       "Na",   cation,  1,       single,     ""},
    {"magnesium",    "Mg",   cation,  2,       single,     ""},
    {"aluminium",    "Al",   cation,  3,       single,     ""},
    {"phosphide",    "P",    anion,   3,       single,     ""},
    {"sulfide",      "S",    anion,   2,       single,     ""},
    {"chloride",     "Cl",   anion,   1,       single,     "hydrochloric"},
    {"potassium",    "K",    cation,  1,       single,     ""},
    {"nitrate",      "NO3",  anion,   1,       group,      "nitric"},
    {"phosphate",    "PO4",  anion,   3,       group,      "phosphoric"},
    {"sulfate",      "SO4",  anion,   2,       group,      "sulfuric"},
    {"hydroxide",    "OH",   anion,   1,       group,      ""},
    {"carbonate",    "CO3",  anion,   2,       group,      "carbonic"},
    {"ammonium",     "NH4",  cation,  1,       group,      ""},
    {"bicarbonate",  "HCO3", anion,   1,       group,      ""},
    // Added after the rest, so that the rows above keep their positions.
    {"calcium",      "Ca",   cation,  2,       single,     ""},
};
// clang-format on

// The hydrogen ion of every acid: never drawn, so not in the catalogue.
inline constexpr CatalogueRow hydrogenRow = {"hydrogen", "H",    cation,
                                             1,          single, ""};

}  // namespace chemistry

namespace ion_detail {

inline Ion ionOf(const chemistry::CatalogueRow& row) {
  return {
      std::string(row.name), std::string(row.formula), row.sign, row.valency,
      row.polyatomic,        std::string(row.acidname)};
}

// The ion of the catalogue's row number `k`, which knows its row.
inline Ion ionOfRow(std::size_t k) {
  Ion i = ionOf(chemistry::ionCatalogue[k]);
  i.row = static_cast<std::int16_t>(k);
  return i;
}

}  // namespace ion_detail

// The catalogue: every row of chemistry::ionCatalogue as an Ion, in its
// order. Made on first use and never changed; it draws nothing.
inline const std::vector<Ion>& catalogue() {
  static const std::vector<Ion> all = [] {
    std::vector<Ion> ions;
    ions.reserve(std::size(chemistry::ionCatalogue));
    for (std::size_t k = 0; k < std::size(chemistry::ionCatalogue); ++k) {
      ions.push_back(ion_detail::ionOfRow(k));
    }
    return ions;
  }();
  return all;
}

// The position of `i` in the catalogue where it is one of its entries or a
// copy of one, as the draws and a question's reactants hold them; else the
// catalogue's size.
inline std::size_t positionOf(const Ion& i) {
  return i.row < 0 ? catalogue().size() : static_cast<std::size_t>(i.row);
}

// What `fact` says of the salt of `cation` and `anion`, from a table of
// every pair of entries made once where both are entries or copies: the
// draws ask it of every pair they pass over. `Fact` is a function of its
// own type, so that each fact has its table.
template <typename Fact>
auto pairFact(const Ion& cation, const Ion& anion, Fact fact)
    -> decltype(fact(cation, anion)) {
  using Value = decltype(fact(cation, anion));
  const std::vector<Ion>& all = catalogue();
  static const std::vector<Value> table = [&all, fact] {
    std::vector<Value> values;
    values.reserve(all.size() * all.size());
    for (const Ion& c : all) {
      for (const Ion& a : all) values.push_back(fact(c, a));
    }
    return values;
  }();
  const std::size_t c = positionOf(cation);
  const std::size_t a = positionOf(anion);
  if (c == all.size() || a == all.size()) return fact(cation, anion);
  return table[c * all.size() + a];
}

// The hydrogen ion, H+.
inline const Ion& hydrogenIon() {
  static const Ion hydrogen = ion_detail::ionOf(chemistry::hydrogenRow);
  return hydrogen;
}

// The catalogue's ion called `name`. REQUIRES: there is one; a name
// written in the code that misses is a fault, and stops the program.
inline Ion catalogueIon(std::string_view name) {
  for (std::size_t k = 0; k < std::size(chemistry::ionCatalogue); ++k) {
    if (chemistry::ionCatalogue[k].name == name) return ion_detail::ionOfRow(k);
  }
  require(false, "no catalogue ion has the name asked for");
  return {};
}

// The first catalogue row of the cation `formula`, or null.
inline const chemistry::CatalogueRow* catalogueIonWithFormula(
    std::string_view formula) {
  for (const chemistry::CatalogueRow& row : chemistry::ionCatalogue) {
    if (!row.sign && row.formula == formula) return &row;
  }
  return nullptr;
}

#endif  // REACTION_DRILL_SHARED_ION_CATALOGUE_H_
