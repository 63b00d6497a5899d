// The ion model of the reaction drill: the ion record and the catalogue of
// the 39 ions the drill knows, random selection of ions by role, the activity
// series, the solubility rules, formula writing and the marking of typed
// answers.
//
// Header-only. Every definition is inline, so any number of translation units
// of one program may include it and share one catalogue. Names and formulas
// are plain ASCII and are compared exactly, letter case included.
#ifndef REACTION_DRILL_SHARED_ION_H_
#define REACTION_DRILL_SHARED_ION_H_

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chance.h"

// One ion, simple or polyatomic, cation or anion. A plain value: copy it
// freely; nothing keeps a reference into the catalogue.
struct Ion {
  std::string name;          // in words, lower case: "iron(III)", "ammonium"
  bool sign = false;         // true for an anion
  std::string formula;       // without charge: "Fe", "SO4", "NH4"
  std::int16_t valency = 1;  // magnitude of the charge: 1, 2 or 3
  bool polyatomic = false;   // a group ion such as "SO4"
  std::string acidname;      // "hydrochloric" for chloride; empty if no acid

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

// Solubility codes, the answers of isSolubleChar.
inline constexpr char soluble = 'Y';
inline constexpr char insoluble = 'N';
inline constexpr char noRule = ' ';  // the rules cannot tell

// ---------------------------------------------------------------------------
// Chemistry tables
// ---------------------------------------------------------------------------

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
    {"gold",         "Au",   cation,  2,       single,     ""},
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
    {"sulphate",     "SO4",  anion,   2,       group,      "sulphuric"},
    {"hydroxide",    "OH",   anion,   1,       group,      ""},
    {"carbonate",    "CO3",  anion,   2,       group,      "carbonic"},
    {"ammonium",     "NH4",  cation,  1,       group,      ""},
    {"bicarbonate",  "HCO3", anion,   1,       group,      ""},
};
// clang-format on

struct ActivityRank {
  std::string_view formula;
  int rank;
};

// The activity series, most reactive first. A larger rank displaces a smaller
// one; any formula not listed ranks 0.
// clang-format off
inline constexpr ActivityRank activitySeries[] = {
    // metal  rank
    {"K",     14},
    {"Na",    13},
    {"Li",    12},
    {"Ca",    11},
    {"Mg",    10},
    {"Al",     9},
    {"Zn",     8},
    {"Fe",     7},
    {"Sn",     6},
    {"Pb",     5},
    {"Cu",     4},
    {"Hg",     3},
    {"Ag",     2},
    {"Au",     1},
};
// clang-format on

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

// ---------------------------------------------------------------------------
// The catalogue
// ---------------------------------------------------------------------------

// The catalogue, in the order of chemistry::ionCatalogue once initIons has
// run.
inline std::vector<Ion> ion;

// Fills the catalogue if it is empty, and seeds the shared generator afresh,
// so that no two runs are alike unless seedChance is called after.
inline void initIons() {
  if (ion.empty()) {
    ion.reserve(std::size(chemistry::ionCatalogue));
    for (const chemistry::CatalogueRow& row : chemistry::ionCatalogue) {
      ion.emplace_back(std::string(row.name), std::string(row.formula),
                       row.sign, row.valency, row.polyatomic,
                       std::string(row.acidname));
    }
  }
  seedChance(freshSeed());
}

// ---------------------------------------------------------------------------
// Random selection by role. Each selector returns a copy and fills the
// catalogue first if nothing has yet.
// ---------------------------------------------------------------------------

namespace ion_detail {

inline bool nameIsOneOf(const Ion& i,
                        std::initializer_list<std::string_view> names) {
  return std::any_of(names.begin(), names.end(),
                     [&](std::string_view n) { return i.name == n; });
}

// A catalogue position, each equally likely.
inline std::size_t randomPosition() {
  return randomBelow(static_cast<std::uint32_t>(ion.size()));
}

// Draws positions until `accept` takes the entry there, and returns a copy
// of it. Rejected entries are tested in place: copying each one would cost
// more than the draw.
template <typename Accept>
Ion drawAccepted(Accept accept) {
  if (ion.empty()) initIons();
  for (;;) {
    const Ion& candidate = ion[randomPosition()];
    if (accept(candidate)) return candidate;
  }
}

inline bool isAnion(const Ion& i) { return i.sign; }

}  // namespace ion_detail

// True for a name such as "iron(III)" that states the charge; plain "iron"
// does not.
inline bool namesItsCharge(const Ion& i) {
  return !i.name.empty() && i.name.back() == ')';
}

// Any catalogue entry.
inline Ion randomIon() {
  return ion_detail::drawAccepted([](const Ion&) { return true; });
}

// Any anion of the catalogue.
inline Ion randomNeg() { return ion_detail::drawAccepted(ion_detail::isAnion); }

// Any cation of the catalogue, ammonium included.
inline Ion randomPos() {
  return ion_detail::drawAccepted(
      [](const Ion& i) { return !ion_detail::isAnion(i); });
}

// The anion selectors below accept the first anion drawn that fits their
// role, exactly as if they redrew randomNeg() until it did.

// An anion that forms an acid with hydrogen.
inline Ion randomAcid() {
  return ion_detail::drawAccepted([](const Ion& i) {
    return ion_detail::isAnion(i) && !i.acidname.empty();
  });
}

// Hydroxide, carbonate, oxide or bicarbonate.
inline Ion randomBase() {
  return ion_detail::drawAccepted([](const Ion& i) {
    return ion_detail::isAnion(i) &&
           ion_detail::nameIsOneOf(
               i, {"hydroxide", "carbonate", "oxide", "bicarbonate"});
  });
}

// Carbonate or bicarbonate.
inline Ion randomCarbonate() {
  return ion_detail::drawAccepted([](const Ion& i) {
    return ion_detail::isAnion(i) &&
           ion_detail::nameIsOneOf(i, {"carbonate", "bicarbonate"});
  });
}

// Hydroxide or oxide.
inline Ion randomBaseNoCarbonate() {
  return ion_detail::drawAccepted([](const Ion& i) {
    return ion_detail::isAnion(i) &&
           ion_detail::nameIsOneOf(i, {"hydroxide", "oxide"});
  });
}

// ---------------------------------------------------------------------------
// Activity series
// ---------------------------------------------------------------------------

// The rank of an element formula in the activity series, 0 if not in it.
inline int reactivity(std::string_view e) {
  for (const chemistry::ActivityRank& metal : chemistry::activitySeries) {
    if (metal.formula == e) return metal.rank;
  }
  return 0;
}

// True for a metal above copper: it displaces hydrogen from an acid.
inline bool reactsWithAcid(std::string_view e) {
  return reactivity(e) > reactivity("Cu");
}

// True for a metal above magnesium: it displaces hydrogen from water.
inline bool reactsWithWater(std::string_view e) {
  return reactivity(e) > reactivity("Mg");
}

// ---------------------------------------------------------------------------
// Solubility rules
// ---------------------------------------------------------------------------

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

// ---------------------------------------------------------------------------
// Formula writing
// ---------------------------------------------------------------------------

// Upper-cases the 26 ASCII letters; every other byte is unchanged.
inline char ucase(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - ('a' - 'A')) : c;
}

inline std::string ucase(std::string_view src) {
  std::string upper;
  upper.reserve(src.size());
  for (char c : src) upper += ucase(c);
  return upper;
}

namespace ion_detail {

// The digit written for a valency in a formula: none for 1, and none for a
// valency outside the catalogue's 1 to 3.
inline std::string_view valencyDigit(int valency) {
  if (valency == 2) return "2";
  if (valency == 3) return "3";
  return "";
}

inline char chargeSign(const Ion& i) { return i.sign ? '-' : '+'; }

inline std::string grouped(const Ion& i, bool brackets) {
  return brackets ? "(" + i.formula + ")" : i.formula;
}

}  // namespace ion_detail

inline std::string Ion::makeFormula() const {
  return formula + std::string(ion_detail::valencyDigit(valency)) +
         ion_detail::chargeSign(*this);
}

inline std::string Ion::getSuperscript() const {
  std::string charge = valency > 1 ? std::to_string(valency) : "";
  return charge + ion_detail::chargeSign(*this);
}

inline int Ion::getSubscript(const Ion& other) const {
  const int v = valency;
  const int w = other.valency;
  if (v == w) return 1;
  if (w == 2 && v != 4) return 2;
  if (w == 3) return 3;
  return 1;
}

// The formula of the compound of cation `pos` and anion `neg`, without
// charge: "NaCl", "Al2(SO4)3", "(NH4)2SO4". Valencies swap crosswise; a group
// takes brackets only where it takes a subscript.
inline std::string makeFormula(const Ion& pos, const Ion& neg) {
  const int p = pos.valency;
  const int n = neg.valency;
  std::string compound =
      ion_detail::grouped(pos, pos.polyatomic && n > 1 && n != p);
  if (n != p) compound += ion_detail::valencyDigit(n);
  compound += ion_detail::grouped(neg, neg.polyatomic && p > 1 && p != n);
  if (p != n) compound += ion_detail::valencyDigit(p);
  return compound;
}

// ---------------------------------------------------------------------------
// Answer checking. Each check writes exactly one verdict line and returns
// true only for an answer that is fully right.
// ---------------------------------------------------------------------------

namespace ion_detail {

// Exact is right; right apart from letter case is close; anything else is
// wrong. Blanks count: an answer with a trailing blank is wrong.
inline bool markFormula(const std::string& expected, std::string_view input,
                        std::ostream& out) {
  if (input == expected) {
    out << "Correct.\n";
    return true;
  }
  if (ucase(input) == ucase(expected)) {
    out << "Close; correct answer is " << expected << '\n';
  } else {
    out << "Incorrect; correct answer is " << expected << '\n';
  }
  return false;
}

}  // namespace ion_detail

inline bool Ion::getResponse(std::string_view input, std::ostream& out) const {
  return ion_detail::markFormula(makeFormula(), input, out);
}

// Marks `input` as the formula of the compound of `rp` and `rn`.
inline bool getResponse(const Ion& rp, const Ion& rn, std::string_view input,
                        std::ostream& out = std::cout) {
  return ion_detail::markFormula(makeFormula(rp, rn), input, out);
}

// "soluble" for 'Y' or 'y', "insoluble" for 'N' or 'n', otherwise
// "<an error occurred>".
inline std::string isSolubleWord(char src) {
  switch (ucase(src)) {
    case soluble:
      return "soluble";
    case insoluble:
      return "insoluble";
    default:
      return "<an error occurred>";
  }
}

// Marks `input` as whether the compound of `rp` and `rn` dissolves: only its
// first letter counts, y or n in either case.
inline bool getSolResponse(const Ion& rp, const Ion& rn, std::string_view input,
                           std::ostream& out = std::cout) {
  const char charnswer = isSolubleChar(rp, rn);
  // A pair the rules cannot tell has no right answer.
  const bool right = charnswer != noRule && !input.empty() &&
                     ucase(input.front()) == ucase(charnswer);
  if (right) {
    out << "Correct.\n";
    return true;
  }
  out << "Incorrect; " << makeFormula(rp, rn) << " is "
      << isSolubleWord(charnswer) << '\n';
  return false;
}

#endif  // REACTION_DRILL_SHARED_ION_H_
