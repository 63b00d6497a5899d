#include "equation_marking.h"

#include <algorithm>
#include <numeric>

#include "equation_text.h"
#include "ion.h"
#include "typed_reader.h"

namespace {

std::string nameOf(const Term& t) { return t.formula + chargeText(t.charge); }

bool sameSpecies(const Term& right, const TypedTerm& typed) {
  return right.charge == typed.charge &&
         ucase(right.formula) == ucase(typed.formula);
}

// At most 20 bytes of `line` around `at`, printable ASCII only.
std::string quoteAround(std::string_view line, std::size_t at) {
  const std::size_t from = at > 10 ? std::min(at - 10, line.size()) : 0;
  std::string quoted(line.substr(from, 20));
  for (char& c : quoted) {
    if (c < ' ' || c > '~') c = '?';
  }
  return quoted;
}

using Problem = std::optional<std::string>;

Problem sideProblem(const std::vector<Term>& right,
                    const std::vector<TypedTerm>& typed) {
  for (const Term& r : right) {
    if (std::none_of(typed.begin(), typed.end(),
                     [&r](const TypedTerm& t) { return sameSpecies(r, t); })) {
      return nameOf(r) + " is missing";
    }
  }
  for (const TypedTerm& t : typed) {
    if (std::none_of(right.begin(), right.end(),
                     [&t](const Term& r) { return sameSpecies(r, t); })) {
      return t.written + " should not be there";
    }
  }
  return std::nullopt;
}

Problem speciesProblem(const Equation& right, const TypedEquation& typed) {
  const bool reactantsOnly = typed.noReaction && typed.left.empty();
  if (!reactantsOnly) {
    if (Problem p = sideProblem(right.reactants, typed.left)) return p;
  }
  if (right.noReaction && !typed.noReaction) {
    return typed.right.front().written + " should not be there";
  }
  if (typed.noReaction && !right.noReaction) {
    return nameOf(right.products.front()) + " is missing";
  }
  if (right.noReaction) return std::nullopt;
  return sideProblem(right.products, typed.right);
}

// The right terms with the coefficients as typed; a species typed twice
// counts twice. A sum past any right coefficient stops growing, so that a
// line of a thousand terms cannot overflow it.
std::vector<Term> withTypedCoefficients(std::vector<Term> right,
                                        const std::vector<TypedTerm>& typed) {
  constexpr int ceiling = 1000000000;
  for (Term& r : right) {
    r.coefficient = 0;
    for (const TypedTerm& t : typed) {
      if (sameSpecies(r, t)) {
        r.coefficient =
            std::min(r.coefficient, ceiling - t.coefficient) + t.coefficient;
      }
    }
  }
  return right;
}

std::string signedNumber(std::int64_t n) {
  return (n > 0 ? "+" : "") + std::to_string(n);
}

Problem balanceProblem(const Equation& written) {
  for (const Tally& t : tallies(written)) {
    if (t.left == t.right) continue;
    if (t.element.empty()) {
      return "the charge is not balanced (" + signedNumber(t.left) +
             " on the left, " + signedNumber(t.right) + " on the right)";
    }
    return t.element + " is not balanced (" + std::to_string(t.left) +
           " on the left, " + std::to_string(t.right) + " on the right)";
  }
  return std::nullopt;
}

Problem letterCaseProblem(const std::vector<Term>& right,
                          const std::vector<TypedTerm>& typed) {
  for (const TypedTerm& t : typed) {
    for (const Term& r : right) {
      if (sameSpecies(r, t) && r.formula != t.formula) {
        return "check the letter case of " + t.formula;
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
        return nameOf(r) + " is " + std::string(stateSymbol(r.state)) + " here";
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
  if (multiple)
    return "the coefficients can be divided by " + std::to_string(factor);
  return std::string("balanced, but not the smallest set");
}

Problem closeProblem(const Equation& right, const TypedEquation& typed,
                     const Equation& written) {
  for (const auto& [r, t] : {std::pair{&right.reactants, &typed.left},
                             std::pair{&right.products, &typed.right}}) {
    if (Problem p = letterCaseProblem(*r, *t)) return p;
  }
  if (!right.noReaction) {
    if (Problem p = coefficientProblem(right, written)) return p;
  }
  for (const auto& [r, t] : {std::pair{&right.reactants, &typed.left},
                             std::pair{&right.products, &typed.right}}) {
    if (Problem p = stateProblem(*r, *t)) return p;
  }
  return std::nullopt;
}

bool verdict(std::ostream& out, std::string_view what, const Equation& right) {
  out << what << "; correct answer is " << ascii(right) << '\n';
  return false;
}

}  // namespace

bool markTypedEquation(const Equation& right, std::string_view answer,
                       std::ostream& out) {
  TypedEquation typed;
  std::size_t at = 0;
  if (!readTypedEquation(answer, typed, at)) {
    return verdict(out,
                   "Incorrect; cannot read \"" + quoteAround(answer, at) + "\"",
                   right);
  }
  if (Problem p = speciesProblem(right, typed)) {
    return verdict(out, "Incorrect; " + *p, right);
  }
  Equation written = right;
  if (!right.noReaction) {
    written.reactants = withTypedCoefficients(right.reactants, typed.left);
    written.products = withTypedCoefficients(right.products, typed.right);
    if (Problem p = balanceProblem(written)) {
      return verdict(out, "Incorrect; " + *p, right);
    }
  }
  if (Problem p = closeProblem(right, typed, written)) {
    return verdict(out, "Close; " + *p, right);
  }
  out << "Correct.\n";
  return true;
}
