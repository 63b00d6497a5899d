// 5. A metal and a nonmetal combine to a salt.
// Reactants: the metal, the anion of the nonmetal.
#include <string_view>

#include "elements.h"
#include "terms.h"
#include "words.h"

namespace {

// Metals, by name, that combine with none of the nonmetals, and the metals
// that burn in nitrogen to a nitride.
constexpr std::string_view unreactiveMetals = "gold";
constexpr std::string_view nitrideMetals =
    "lithium magnesium beryllium barium aluminium";

struct HigherCharge {
  std::string_view metal;      // by name
  std::string_view nonmetals;  // the anions' formulas
  std::string_view ion;        // the ion it forms with them, by name
};

// A metal that these nonmetals take to a higher charge than its plain name
// means: iron burns in the halogens to iron(III), in the others to iron(II).
// clang-format off
constexpr HigherCharge higherCharges[] = {
    // metal   nonmetals  ion formed
    {"iron",   "F Cl Br", "iron(III)"},
};
// clang-format on

// The cation `metal` becomes when it combines with `anion`.
Ion cationFormed(const Ion& metal, const Ion& anion) {
  for (const HigherCharge& h : higherCharges) {
    if (metal.name == h.metal && isListed(h.nonmetals, anion.formula)) {
      return catalogueIon(h.ion);
    }
  }
  return metal;
}

bool hasElement(const Ion& anion) { return nonmetalElement(anion) != nullptr; }

bool isAskedMetal(const Ion& i) {
  return isFreeMetal(i) && !isListed(unreactiveMetals, i.name);
}

bool combines(const Reactants& r) {
  const Ion& rp = r.ions[0];
  const Ion& rn = r.ions[1];
  return rn.formula != "N" || isListed(nitrideMetals, rp.name);
}

// A metal (as randomMetal() drawn again until it is not an unreactive one)
// and a nonmetal; both again until they combine.
Reactants draw() {
  return drawUntil(
      [] {
        Ion rp = drawIon(isAskedMetal);
        Ion rn = randomNonmetal();
        return reactantsOf(std::move(rp), std::move(rn));
      },
      combines);
}

void everyDraw(const std::function<void(const Reactants&)>& visit) {
  forEachIon(isAskedMetal, [&](const Ion& rp) {
    forEachIon(hasElement, [&](const Ion& rn) {
      const Reactants r{{rp, rn}, {}};
      if (combines(r)) visit(r);
    });
  });
}

QuestionTexts compose(const Reactants& r) {
  const Ion& rp = r.ions[0];
  const Ion& rn = r.ions[1];
  QuestionTexts t;
  t.qtype = "metal + nonmetal -> salt";
  t.question =
      words::metal(rp) + " + " + std::string(nonmetalElement(rn)->element);
  t.products = words::compound(cationFormed(rp, rn), rn);
  t.ionic = words::equation(t.question, t.products);
  return t;
}

FormulaEquations formulas(const Reactants& r) {
  const Ion& rp = r.ions[0];
  const Ion& rn = r.ions[1];
  const NonmetalElement& element = *nonmetalElement(rn);
  return terms::derive(
      {terms::side(
           terms::metal(rp),
           terms::molecule(std::string(element.formula), element.state)),
       terms::side(terms::compound(cationFormed(rp, rn), rn, State::solid))});
}

std::vector<std::string> reasons(const Reactants& r) {
  const Ion& rp = r.ions[0];
  const Ion& rn = r.ions[1];
  const Ion formed = cationFormed(rp, rn);
  std::vector<std::string> lines;
  if (formed.name != rp.name) {
    const std::string_view element = nonmetalElement(rn)->element;
    lines.push_back(std::string(element.substr(0, element.find(' '))) +
                    " takes " + rp.name + " to " + formed.name +
                    ", its higher charge.");
  }
  lines.push_back(formulaReason(formed, rn));
  return lines;
}

}  // namespace

const ReactionType metalNonmetal = {
    "metal + nonmetal -> salt",
    "metal + nonmetal: a metal and a nonmetal combine into a salt.",
    draw,
    compose,
    formulas,
    reasons,
    everyDraw};
