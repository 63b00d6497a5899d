#include "equation_marking.h"

#include <algorithm>

#include "equation_html.h"
#include "equation_slips.h"
#include "equation_text.h"
#include "typed_characters.h"
#include "typed_reader.h"

namespace {

using What = Finding::What;
using Problem = std::optional<Finding>;

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
                    Side side) {
  for (const Term& r : right) {
    const std::vector<Term> species = standIns(r, inIons);
    if (std::none_of(typed.begin(), typed.end(), [&](const TypedTerm& t) {
          return namesAny(species, t);
        })) {
      Finding f = found(What::missing, r);
      f.side = side;
      return f;
    }
  }
  const std::vector<Term> allowed = standInsOfAll(right, inIons);
  for (const TypedTerm& t : typed) {
    if (!namesAny(allowed, t)) {
      Finding f = found(What::extra);
      f.side = side;
      f.typed = t.written;
      f.term.formula = t.formula;
      f.term.charge = t.charge;
      return f;
    }
  }
  return std::nullopt;
}

// Whether anything reacts is the first thing a student decides.
Problem reactionProblem(const Equation& right, const TypedEquation& typed) {
  if (right.noReaction && !typed.noReaction) return found(What::nothingReacts);
  if (!right.noReaction && typed.noReaction) return found(What::doesReact);
  return std::nullopt;
}

Problem speciesProblem(const AskedEquation& asked, const TypedEquation& typed) {
  const Equation& right = asked.right;
  const bool reactantsOnly = typed.noReaction && typed.left.empty();
  if (!reactantsOnly) {
    if (Problem p = sideProblem(right.reactants, typed.left, inIons(asked),
                                Side::left)) {
      return p;
    }
  }
  if (right.noReaction) return std::nullopt;
  return sideProblem(right.products, typed.right, false, Side::right);
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

// The species typed are the right ones, letter case aside, so `written`
// counts the atoms of the equation as typed, each formula spelt right.
Problem balanceProblem(const Equation& written) {
  std::vector<Tally> atoms = tallies(written);
  for (const Tally& t : atoms) {
    if (t.left == t.right) continue;
    Finding f = found(t.element.empty() ? What::chargeUnbalanced
                                        : What::elementUnbalanced);
    f.count = t;
    f.atoms = std::move(atoms);
    return f;
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
        return found(What::precipitates, r);
      }
      if (r.state == State::aqueous && *t.state == State::solid) {
        return found(What::dissolves, r);
      }
    }
  }
  return std::nullopt;
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

// What is found in `answer`: the first problem that makes it wrong, else
// the first slip that makes it close, else that it is correct.
Finding findingOf(const AskedEquation& asked, std::string_view answer) {
  const Equation& right = asked.right;
  TypedEquation typed;
  std::size_t at = 0;
  if (!readTypedEquation(answer, typed, at)) {
    if (lacksOnlyAnArrow(answer)) return found(What::arrowMissing);
    Finding f = found(What::unreadable);
    f.typed = quoteAround(answer, at);
    return f;
  }
  Equation written = right;
  if (Problem p = wrongProblem(asked, typed, written)) return *p;
  // What a typed side may name, for the slips: in ions too, where allowed.
  const Equation named{standInsOfAll(right.reactants, inIons(asked)),
                       right.products, right.noReaction};
  return slipIn(named, typed, written).value_or(found(What::correct));
}

}  // namespace

Verdict markTypedEquation(const AskedEquation& asked, std::string_view answer) {
  return judge(findingOf(asked, answer), richEquation(asked.right));
}
