#include "equation_slips.h"

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace {

using What = Finding::What;
using Problem = std::optional<Finding>;

Problem letterCaseProblem(const std::vector<Term>& right,
                          const std::vector<TypedTerm>& typed) {
  for (const TypedTerm& t : typed) {
    for (const Term& r : right) {
      if (sameSpecies(r, t) && r.formula != t.formula) {
        Finding f = found(What::checkCase);
        f.typed = t.formula;
        f.term.formula = t.formula;
        return f;
      }
    }
  }
  return std::nullopt;
}

// Whether `typed` is right for `right`: its own state, or for the steam of
// a combustion the liquid it condenses to.
bool isRightState(const Term& right, State typed) {
  return typed == right.state ||
         (right.formula == "H2O" && right.state == State::gas &&
          typed == State::liquid);
}

Problem stateProblem(const std::vector<Term>& right,
                     const std::vector<TypedTerm>& typed) {
  for (const TypedTerm& t : typed) {
    for (const Term& r : right) {
      if (sameSpecies(r, t) && t.state && !isRightState(r, *t.state)) {
        return found(What::state, r);
      }
    }
  }
  return std::nullopt;
}

std::vector<std::int64_t> coefficientsOf(const Equation& e) {
  std::vector<std::int64_t> all;
  for (const auto* side : {&e.reactants, &e.products}) {
    for (const Term& t : *side) all.push_back(t.coefficient);
  }
  return all;
}

Problem coefficientProblem(const Equation& right, const Equation& written) {
  const std::vector<std::int64_t> r = coefficientsOf(right);
  const std::vector<std::int64_t> w = coefficientsOf(written);
  if (w == r) return std::nullopt;
  const std::int64_t factor = std::accumulate(
      w.begin(), w.end(), std::int64_t{0},
      [](std::int64_t a, std::int64_t b) { return std::gcd(a, b); });
  bool multiple = factor > 1;
  for (std::size_t k = 0; multiple && k < r.size(); ++k) {
    multiple = w[k] == factor * r[k];
  }
  if (!multiple) return found(What::notSmallest);
  Finding f = found(What::divisible);
  f.factor = factor;
  return f;
}

// `written` holds the coefficients as typed, summed over repeats.
Problem repeatProblem(const std::vector<Term>& written,
                      const std::vector<TypedTerm>& typed) {
  for (const Term& w : written) {
    const auto times =
        std::count_if(typed.begin(), typed.end(),
                      [&w](const TypedTerm& t) { return sameSpecies(w, t); });
    if (times > 1) return found(What::repeated, w);
  }
  return std::nullopt;
}

}  // namespace

Problem slipIn(const Equation& right, const TypedEquation& typed,
               const Equation& written) {
  for (const auto& [r, t] : {std::pair{&right.reactants, &typed.left},
                             std::pair{&right.products, &typed.right}}) {
    if (Problem p = letterCaseProblem(*r, *t)) return p;
  }
  if (!right.noReaction) {
    for (const auto& [w, t] : {std::pair{&written.reactants, &typed.left},
                               std::pair{&written.products, &typed.right}}) {
      if (Problem p = repeatProblem(*w, *t)) return p;
    }
    if (Problem p = coefficientProblem(right, written)) return p;
  }
  for (const auto& [r, t] : {std::pair{&right.reactants, &typed.left},
                             std::pair{&right.products, &typed.right}}) {
    if (Problem p = stateProblem(*r, *t)) return p;
  }
  return std::nullopt;
}
