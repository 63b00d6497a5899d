#include "equation_marking.h"

#include <algorithm>
#include <numeric>

#include "equation_text.h"
#include "ion.h"
#include "typed_characters.h"
#include "typed_reader.h"

namespace {

std::string nameOf(const Term& t) { return t.formula + chargeText(t.charge); }

bool sameSpecies(const Term& right, const TypedTerm& typed) {
  return right.charge == typed.charge &&
         ucase(right.formula) == ucase(typed.formula);
}

using Problem = std::optional<std::string>;

// A no reaction asked as a net ionic equation may be written in ions.
bool inIons(const AskedEquation& asked) {
  return asked.right.noReaction && asked.form == EquationForm::netIonic;
}

// The species that stand for `right` on a typed side: itself and, where
// `inIons`, the ions it dissolves into, as the complete ionic equation
// splits it.
std::vector<Term> standIns(const Term& right, bool inIons) {
  std::vector<Term> all = {right};
  if (!inIons) return all;
  for (Term& split : completeIonic(Equation{{right}, {}, true}).reactants) {
    if (split.charge != 0) all.push_back(std::move(split));
  }
  return all;
}

std::vector<Term> standInsOfAll(const std::vector<Term>& right, bool inIons) {
  std::vector<Term> all;
  for (const Term& r : right) {
    for (Term& s : standIns(r, inIons)) all.push_back(std::move(s));
  }
  return all;
}

bool namesAny(const std::vector<Term>& species, const TypedTerm& typed) {
  return std::any_of(species.begin(), species.end(),
                     [&typed](const Term& s) { return sameSpecies(s, typed); });
}

Problem sideProblem(const std::vector<Term>& right,
                    const std::vector<TypedTerm>& typed, bool inIons,
                    const char* side) {
  for (const Term& r : right) {
    const std::vector<Term> species = standIns(r, inIons);
    if (std::none_of(typed.begin(), typed.end(), [&](const TypedTerm& t) {
          return namesAny(species, t);
        })) {
      return nameOf(r) + " is missing on the " + side;
    }
  }
  const std::vector<Term> allowed = standInsOfAll(right, inIons);
  for (const TypedTerm& t : typed) {
    if (!namesAny(allowed, t)) {
      return t.written + " should not be on the " + side;
    }
  }
  return std::nullopt;
}

// Whether anything reacts is the first thing a student decides.
Problem reactionProblem(const Equation& right, const TypedEquation& typed) {
  if (right.noReaction && !typed.noReaction) {
    return std::string("nothing reacts here");
  }
  if (!right.noReaction && typed.noReaction) {
    return std::string("this reaction does take place");
  }
  return std::nullopt;
}

Problem speciesProblem(const AskedEquation& asked, const TypedEquation& typed) {
  const Equation& right = asked.right;
  const bool reactantsOnly = typed.noReaction && typed.left.empty();
  if (!reactantsOnly) {
    if (Problem p =
            sideProblem(right.reactants, typed.left, inIons(asked), "left")) {
      return p;
    }
  }
  if (right.noReaction) return std::nullopt;
  return sideProblem(right.products, typed.right, false, "right");
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

// `written` holds the coefficients as typed, summed over repeats.
Problem repeatProblem(const std::vector<Term>& written,
                      const std::vector<TypedTerm>& typed) {
  for (const Term& w : written) {
    const auto times =
        std::count_if(typed.begin(), typed.end(),
                      [&w](const TypedTerm& t) { return sameSpecies(w, t); });
    if (times > 1) {
      return "write " + nameOf(w) + " once, as " +
             std::to_string(w.coefficient) + nameOf(w);
    }
  }
  return std::nullopt;
}

// In a net ionic equation whether an ion or a salt among the products
// dissolves is the answer itself, not a slip.
Problem dissolvingProblem(const std::vector<Term>& products,
                          const std::vector<TypedTerm>& typed) {
  for (const TypedTerm& t : typed) {
    for (const Term& r : products) {
      const bool ionic = r.charge != 0 || r.ions.has_value();
      if (!ionic || !sameSpecies(r, t) || !t.state) continue;
      if (r.state == State::solid && *t.state == State::aqueous) {
        return nameOf(r) + " is (s) here: it precipitates";
      }
      if (r.state == State::aqueous && *t.state == State::solid) {
        return nameOf(r) + " is (aq) here: it dissolves";
      }
    }
  }
  return std::nullopt;
}

Problem closeProblem(const Equation& right, const TypedEquation& typed,
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

bool verdict(std::ostream& out, std::string_view what, const Equation& right) {
  out << what << "; correct answer is " << ascii(right) << '\n';
  return false;
}

// The first problem that makes the answer wrong, with `written` set to the
// right equation with the coefficients as typed.
Problem wrongProblem(const AskedEquation& asked, const TypedEquation& typed,
                     Equation& written) {
  const Equation& right = asked.right;
  if (Problem p = reactionProblem(right, typed)) return p;
  if (Problem p = speciesProblem(asked, typed)) return p;
  if (right.noReaction) return std::nullopt;
  written.reactants = withTypedCoefficients(right.reactants, typed.left);
  written.products = withTypedCoefficients(right.products, typed.right);
  if (Problem p = balanceProblem(written)) return p;
  if (asked.form != EquationForm::netIonic) return std::nullopt;
  return dissolvingProblem(right.products, typed.right);
}

}  // namespace

bool markTypedEquation(const AskedEquation& asked, std::string_view answer,
                       std::ostream& out) {
  const Equation& right = asked.right;
  TypedEquation typed;
  std::size_t at = 0;
  if (!readTypedEquation(answer, typed, at)) {
    return verdict(out,
                   "Incorrect; cannot read \"" + quoteAround(answer, at) + "\"",
                   right);
  }
  Equation written = right;
  if (Problem p = wrongProblem(asked, typed, written)) {
    return verdict(out, "Incorrect; " + *p, right);
  }
  // What a typed side may name, for the slips: in ions too, where allowed.
  const Equation named{standInsOfAll(right.reactants, inIons(asked)),
                       right.products, right.noReaction};
  if (Problem p = closeProblem(named, typed, written)) {
    return verdict(out, "Close; " + *p, right);
  }
  out << "Correct.\n";
  return true;
}
