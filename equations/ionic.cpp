// The complete and net ionic equations of a balanced formula equation.
#include <algorithm>
#include <numeric>
#include <utility>

#include "equation.h"

namespace {

bool dissolves(const Term& t) {
  return t.state == State::aqueous && t.ions.has_value();
}

// Adds `t` to `side`, or its coefficient to the same species already there.
void addMerged(std::vector<Term>& side, Term t) {
  for (Term& present : side) {
    if (sameSpecies(present, t)) {
      present.coefficient += t.coefficient;
      return;
    }
  }
  side.push_back(std::move(t));
}

std::vector<Term> splitSide(const std::vector<Term>& side) {
  std::vector<Term> split;
  split.reserve(2 * side.size());
  for (const Term& t : side) {
    if (!dissolves(t)) {
      addMerged(split, t);
      continue;
    }
    for (const Constituent& c : *t.ions) {
      addMerged(split, Term{t.coefficient * c.count, c.formula, c.charge,
                            State::aqueous, std::nullopt});
    }
  }
  return split;
}

// What is left of side[i] once the same species on the two sides have
// cancelled pairwise in order, each time by the smaller coefficient: the
// other side's total, less what the same species earlier on this side took.
int uncancelled(const std::vector<Term>& side, std::size_t i,
                const std::vector<Term>& other) {
  int taken = 0;
  for (std::size_t j = 0; j < i; ++j) {
    if (sameSpecies(side[j], side[i])) taken += side[j].coefficient;
  }
  int across = 0;
  for (const Term& t : other) {
    if (sameSpecies(t, side[i])) across += t.coefficient;
  }
  return side[i].coefficient -
         std::clamp(across - taken, 0, side[i].coefficient);
}

// The terms of `side` with what is left of them after cancelling.
std::vector<Term> keptAfterCancelling(const std::vector<Term>& side,
                                      const std::vector<Term>& other) {
  std::vector<Term> kept;
  kept.reserve(side.size());
  for (std::size_t i = 0; i < side.size(); ++i) {
    const int left = uncancelled(side, i, other);
    if (left == 0) continue;
    kept.push_back(side[i]);
    kept.back().coefficient = left;
  }
  return kept;
}

void divideByCommonFactor(Equation& e) {
  int g = 0;
  for (const Term& t : e.reactants) g = std::gcd(g, t.coefficient);
  for (const Term& t : e.products) g = std::gcd(g, t.coefficient);
  if (g <= 1) return;
  for (Term& t : e.reactants) t.coefficient /= g;
  for (Term& t : e.products) t.coefficient /= g;
}

}  // namespace

bool splitsIntoIons(const Equation& formula) {
  return std::any_of(formula.reactants.begin(), formula.reactants.end(),
                     dissolves) ||
         std::any_of(formula.products.begin(), formula.products.end(),
                     dissolves);
}

Equation completeIonic(const Equation& formula) {
  return Equation{splitSide(formula.reactants), splitSide(formula.products),
                  formula.noReaction};
}

Equation netIonic(const Equation& complete) {
  Equation net{keptAfterCancelling(complete.reactants, complete.products),
               keptAfterCancelling(complete.products, complete.reactants),
               complete.noReaction};
  divideByCommonFactor(net);
  return net;
}
