// equations/: the equation library: equations as data, balanced, split into
// ions and written as text, HTML and speech; rich text and verdicts. It
// knows no ion model and no reaction type, and includes base/ only.
//
// Chemical equations as data: terms with their formulas, charges and
// states, one balancing routine for every equation (balance.cpp), and the
// complete and net ionic equations derived from a balanced formula equation
// (ionic.cpp). Free of chance and of console code; a formula is kept without
// its charge, so each writer (equation_text.h, equation_html.h) can
// subscript every digit of it and write the charge apart.
#ifndef REACTION_DRILL_EQUATIONS_EQUATION_H_
#define REACTION_DRILL_EQUATIONS_EQUATION_H_

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// `none` is the electron's: it is no substance, and has no state.
enum class State { solid, liquid, gas, aqueous, none };

// Each state as an equation writes it and as it is read aloud, in the order
// of State.
struct StateName {
  std::string_view symbol;
  std::string_view spoken;
};
// clang-format off
inline constexpr StateName stateNames[] = {
    // symbol  spoken
    {"(s)",    "solid"},
    {"(l)",    "liquid"},
    {"(g)",    "gas"},
    {"(aq)",   "aqueous"},
    {"",       ""},
};
// clang-format on

// "(s)", "(l)", "(g)", "(aq)", or nothing for an electron.
inline std::string_view stateSymbol(State s) {
  return stateNames[static_cast<int>(s)].symbol;
}

// "solid", "liquid", "gas", "aqueous", or nothing for an electron.
inline std::string_view spokenState(State s) {
  return stateNames[static_cast<int>(s)].spoken;
}

// One kind of ion in the formula unit of a compound.
struct Constituent {
  std::string formula;  // without charge: "SO4"
  int charge = 0;       // signed: -2
  int count = 0;        // per formula unit: 3 in Al2(SO4)3
};

// One term of an equation: "3Cu2+(aq)" is coefficient 3, formula "Cu",
// charge +2, aqueous.
struct Term {
  int coefficient = 1;
  std::string formula;  // without charge: "Al2(SO4)3", "SO4", "H2O"
  int charge = 0;       // signed; 0 for a neutral term
  State state = State::aqueous;
  // For a compound that can dissolve into ions: its cation, then its anion.
  std::optional<std::array<Constituent, 2>> ions;
};

// The electron of a half-equation, as a term: "e" with charge -1 and no
// state, "2e-" with coefficient 2. It holds no atoms; it counts in the
// charge alone.
inline constexpr std::string_view electronFormula = "e";
inline Term electrons() {
  return {1, std::string(electronFormula), -1, State::none, std::nullopt};
}
inline bool isElectron(const Term& t) {
  return t.formula == electronFormula && t.charge == -1;
}

// Whether `a` and `b` are the same species, whatever their coefficients.
inline bool sameSpecies(const Term& a, const Term& b) {
  return a.formula == b.formula && a.charge == b.charge && a.state == b.state;
}

// Liquid water: the liquid itself, not a species among others in it.
inline bool isWater(const Term& t) {
  return t.formula == "H2O" && t.state == State::liquid;
}

// Whether `side` holds a solution or water: the reaction is in water.
inline bool standsInWater(const std::vector<Term>& side) {
  return std::any_of(side.begin(), side.end(), [](const Term& t) {
    return t.state == State::aqueous || isWater(t);
  });
}

struct Equation {
  std::vector<Term> reactants;
  std::vector<Term> products;
  bool noReaction = false;  // the reactants stay as they are; no products
};

// The outcome of balancing.
enum class Balance {
  unique,       // one smallest set of whole coefficients
  ambiguous,    // several sets share the smallest sum
  none,         // no set with every coefficient at least 1
  unsupported,  // a formula cannot be read, or the numbers grow too large
};

// Sets the coefficients of `e` to the whole numbers, each at least 1, that
// conserve every element and the charge with the smallest sum. Where the
// solutions have more than one degree of freedom, the search is bounded:
// "none" then means none with small free coefficients, and a search too
// large to finish is "unsupported". Coefficients are written for unique and
// for ambiguous (one of the candidates) only.
[[nodiscard]] Balance balance(Equation& e);

// Whether both sides of `e`, coefficients included, hold the same number of
// atoms of every element and the same charge.
bool isBalanced(const Equation& e);

// The atoms of one element, or the charge, on each side of an equation,
// coefficients included.
struct Tally {
  std::string element;  // "O"; empty for the charge
  std::int64_t left = 0;
  std::int64_t right = 0;
};

// Every element in the order the equation first names it, then the charge;
// empty when a formula cannot be read.
std::vector<Tally> tallies(const Equation& e);

// Whether the complete ionic equation of `formula` splits any term, which is
// when writing ionic equations for it makes sense.
bool splitsIntoIons(const Equation& formula);

// The complete ionic equation of a balanced formula equation: every
// dissolved compound is written as its ions, in place, cation first. An ion
// that arises twice on one side is written once, where it first arises.
Equation completeIonic(const Equation& formula);

// The net ionic equation of a complete ionic equation: what stands unchanged
// on both sides is cancelled, and the coefficients are brought to lowest
// terms.
Equation netIonic(const Equation& complete);

#endif  // REACTION_DRILL_EQUATIONS_EQUATION_H_
