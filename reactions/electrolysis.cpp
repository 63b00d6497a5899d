// 11. Electrolysis with inert electrodes, of a molten salt or of a salt's
// solution: what forms at the cathode and at the anode.
// Reactants: the salt's cation and anion; counts: 1 for a melt, 0 for a
// solution.
#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

#include "elements.h"
#include "reasons.h"
#include "solutions.h"
#include "terms.h"
#include "words.h"

namespace {

// The salts a class electrolyses molten: their cations by name, their
// anions by formula. Aluminium's halides are no ionic melts; its oxide,
// in molten cryolite, is how the metal is made.
struct Melt {
  std::string_view cations;
  std::string_view anions;
};
// clang-format off
constexpr Melt melts[] = {
    // cations                                                    anions
    {"potassium sodium lithium calcium magnesium zinc lead(II)", "Cl Br I"},
    {"aluminium lead(II)",                                        "O"},
};
// clang-format on

// The anions of the solutions electrolysed, and those of them discharged
// at the anode; from the others, oxygen forms.
constexpr std::string_view solutionAnions = "Cl Br I SO4 NO3";
constexpr std::string_view dischargedAnions = "Cl Br I";

bool isMolten(const Reactants& r) { return r.counts[0] == 1; }

bool isMelt(const Ion& cation, const Ion& anion) {
  return std::any_of(std::begin(melts), std::end(melts), [&](const Melt& m) {
    return isListed(m.cations, cation.name) &&
           isListed(m.anions, anion.formula);
  });
}

// A solution of a salt that dissolves and exists, of a metal of the
// activity series, since its place decides what forms at the cathode.
bool isSolution(const Ion& cation, const Ion& anion) {
  return isListed(solutionAnions, anion.formula) &&
         reactivity(cation.formula) != 0 && isKnownSolution(cation, anion);
}

bool askable(const Reactants& r) {
  const Ion& cation = r.ions[0];
  const Ion& anion = r.ions[1];
  return isMolten(r) ? isMelt(cation, anion) : isSolution(cation, anion);
}

void everyDraw(const std::function<void(const Reactants&)>& visit) {
  for (const int molten : {1, 0}) {
    forEachIon(role::cation, [&](const Ion& cation) {
      forEachIon(role::anion, [&](const Ion& anion) {
        const Reactants r{{cation, anion}, {molten}};
        if (askable(r)) visit(r);
      });
    });
  }
}

// One of every question the rules allow, each as likely: drawn ions would
// mostly be rejected, so the questions are listed once and one is drawn.
Reactants draw() {
  static const std::vector<Reactants> all = listed(everyDraw);
  return drawOneOf(all);
}

// What forms at one electrode, and how it is said.
struct Electrode {
  std::string product;  // "copper metal", "hydrogen gas", "bromine"
  std::string words;    // the half-equation in words
  Equation half;        // electrons included, balanced only when written
  std::string reason;
};

// An ion on its own, as it takes or gives electrons.
Term ion(const Ion& i, State state) {
  return {1, i.formula, signedCharge(i), state, std::nullopt};
}

// The half-equation, balanced where it is written: the words need no
// coefficients.
Equation half(std::vector<Term> reactants, std::vector<Term> products) {
  return {std::move(reactants), std::move(products), false};
}

Electrode cathode(const Reactants& r) {
  const Ion& cation = r.ions[0];
  const std::string metal = elementName(cation.formula);
  const bool melt = isMolten(r);
  if (melt || !reactsWithAcid(cation.formula)) {
    const State state = melt ? State::liquid : metalState(cation);
    const std::string because =
        melt ? "in a melt its ions are the only ones to take electrons."
             : metal + " is below hydrogen in the activity series.";
    return {
        metal + " metal",
        words::ions(cation) + " + electrons -> " + metal + " metal",
        half({ion(cation, melt ? State::liquid : State::aqueous), electrons()},
             {terms::molecule(cation.formula, state)}),
        metal + " forms at the cathode: " + because};
  }
  return {"hydrogen gas", "hydrogen ions + electrons -> hydrogen gas",
          half({ion(hydrogenIon(), State::aqueous), electrons()},
               {terms::hydrogenGas()}),
          "hydrogen forms at the cathode: " + metal +
              " is above hydrogen in the activity series."};
}

// The nonmetal of `anion` set free, as a melt or a solution holds it.
Term freed(const Ion& anion, bool melt) {
  const NonmetalElement& e = *nonmetalElement(anion);
  const bool dissolved = !melt && e.state != State::gas;
  return terms::molecule(std::string(e.formula),
                         dissolved ? State::aqueous : State::gas);
}

Electrode anode(const Reactants& r) {
  const Ion& anion = r.ions[1];
  const bool melt = isMolten(r);
  if (melt || isListed(dischargedAnions, anion.formula)) {
    const Term element = freed(anion, melt);
    const std::string word(elementWord(*nonmetalElement(anion)));
    const std::string product =
        word + (element.state == State::gas ? " gas" : "");
    return {product, words::ions(anion) + " -> " + product + " + electrons",
            half({ion(anion, melt ? State::liquid : State::aqueous)},
                 {element, electrons()}),
            word + " forms at the anode: " + anion.name +
                (melt ? " ions are the only ones to give electrons."
                      : " ions are discharged before hydroxide ions.")};
  }
  static const Ion hydroxide = catalogueIon("hydroxide");
  return {
      "oxygen gas", "hydroxide ions -> oxygen gas + water + electrons",
      half({ion(hydroxide, State::aqueous)},
           {terms::molecule("O2", State::gas), terms::water(), electrons()}),
      "oxygen forms at the anode: " + anion.name + " ions are not discharged."};
}

QuestionTexts compose(const Reactants& r) {
  const std::string salt = words::compound(r.ions[0], r.ions[1]);
  const Electrode c = cathode(r);
  const Electrode a = anode(r);
  QuestionTexts t;
  t.qtype = "electrolysis";
  t.question = isMolten(r) ? "electrolysis of molten " + salt
                           : "electrolysis of " + salt + " solution";
  t.products = c.product + " at the cathode + " + a.product + " at the anode";
  t.ionic = "at the cathode: " + c.words + "; at the anode: " + a.words;
  return t;
}

std::vector<std::string> reasons(const Reactants& r) {
  std::vector<std::string> lines = {cathode(r).reason, anode(r).reason};
  if (!isMolten(r)) lines.push_back(why::series());
  return lines;
}

// The whole change, as data beside the half-equations: what both
// electrodes take and give, the electrons cancelled.
Equation overall(const Electrode& c, const Electrode& a) {
  Equation whole;
  for (const Equation* electrode : {&c.half, &a.half}) {
    for (const auto& [from, to] :
         {std::pair{&electrode->reactants, &whole.reactants},
          std::pair{&electrode->products, &whole.products}}) {
      for (const Term& t : *from) {
        if (!isElectron(t)) to->push_back(t);
      }
    }
  }
  return whole;
}

FormulaEquations formulas(const Reactants& r) {
  Electrode c = cathode(r);
  Electrode a = anode(r);
  c.half = terms::derive(std::move(c.half)).formula;
  a.half = terms::derive(std::move(a.half)).formula;
  FormulaEquations all = terms::derive(overall(c, a));
  all.cathode = std::move(c.half);
  all.anode = std::move(a.half);
  return all;
}

}  // namespace

const ReactionType electrolysis = {
    "electrolysis",
    "electrolysis: a molten salt gives its metal at the cathode and its "
    "nonmetal at the anode; a solution gives the metal, if it is below "
    "hydrogen in the activity series, or else hydrogen, and a halogen from a "
    "halide, or else oxygen.",
    draw,
    compose,
    formulas,
    reasons,
    everyDraw};
