// 5. A metal and a nonmetal combine to a salt.
// Reactants: the metal, the anion of the nonmetal.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "elements.h"
#include "terms.h"
#include "words.h"

namespace {

// Metals, by name, that combine with none of the nonmetals, and the metals
// that burn in nitrogen to a nitride.
constexpr std::string_view unreactiveMetals = "gold";
constexpr std::string_view nitrideMetals =
    "lithium magnesium calcium beryllium barium aluminium";

// Pairs the drill does not pose: the metal does not combine with the
// nonmetal, or not to the compound its catalogue charge would give.
struct NotPosed {
  std::string_view metals;     // by name
  std::string_view nonmetals;  // the anions' formulas
};
// clang-format off
constexpr NotPosed notPosed[] = {
    // metals            nonmetals
    // Their oxides break down again at the heat that would make them.
    {"silver mercury",   "O"},
    // Copper gives copper(I) with them: Cu2S and CuI.
    {"copper",           "S I"},
};
// clang-format on

struct HigherCharge {
  std::string_view metal;      // by name
  std::string_view nonmetals;  // the anions' formulas
  std::string_view ion;        // the ion it forms with them, by name
};

// A metal that these nonmetals, which take electrons more strongly than the
// others, take to a higher charge than its plain name means.
// clang-format off
constexpr HigherCharge higherCharges[] = {
    // metal   nonmetals    ion formed
    {"iron",   "F Cl Br O", "iron(III)"},
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

bool isPosed(const Ion& metal, const Ion& anion) {
  for (const NotPosed& n : notPosed) {
    if (isListed(n.metals, metal.name) && isListed(n.nonmetals, anion.formula))
      return false;
  }
  return anion.formula != "N" || isListed(nitrideMetals, metal.name);
}

// The metal combines with the nonmetal, to a compound that exists.
bool combines(const Reactants& r) {
  const Ion& rp = r.ions[0];
  const Ion& rn = r.ions[1];
  return isPosed(rp, rn) && compoundExists(cationFormed(rp, rn), rn);
}

// The element of a nonmetal's anion, in a word: "chlorine".
std::string elementOf(const Ion& anion) {
  return std::string(elementWord(*nonmetalElement(anion)));
}

// Which ion a metal of several charges forms with each nonmetal it is
// drawn with: "iron forms iron(III) with fluorine, chlorine, bromine and
// oxygen, and iron(II) with iodine and sulfur."
std::string chargesFormed(const Ion& metal) {
  std::vector<std::string> ions;
  std::vector<std::vector<std::string>> elements;
  for (const Ion& anion : nonmetalAnions()) {
    if (!combines({{metal, anion}, {}})) continue;
    const std::string ion = ionName(cationFormed(metal, anion));
    const auto at = std::find(ions.begin(), ions.end(), ion);
    if (at == ions.end()) {
      ions.push_back(ion);
      elements.push_back({elementOf(anion)});
    } else {
      elements[static_cast<std::size_t>(at - ions.begin())].push_back(
          elementOf(anion));
    }
  }
  std::string text = metal.name + " forms ";
  for (std::size_t k = 0; k < ions.size(); ++k) {
    if (k > 0) text += ", and ";
    text += ions[k] + " with " + listed(elements[k]);
  }
  return text + ".";
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
  if (isListed(chemistry::severalCharges, rp.formula)) {
    lines.push_back(chargesFormed(rp));
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
