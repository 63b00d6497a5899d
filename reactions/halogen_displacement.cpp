// 9. A halogen in water added to the solution of a halide: the more
// reactive halogen takes the electrons of the less reactive one's ions.
// Reactants: the anion of the halogen added, then the dissolved salt's
// cation and halide ion.
#include <string>
#include <string_view>

#include "elements.h"
#include "reasons.h"
#include "solutions.h"
#include "terms.h"
#include "words.h"

namespace {

// A halogen as it is put into the solution; its element's name and
// formula are the nonmetal table's.
struct Halogen {
  std::string_view anion;    // the formula of its ion
  std::string_view reagent;  // what is added: "chlorine water"
};
// Fluorine reacts with the water itself, so it is never drawn.
// clang-format off
constexpr Halogen halogens[] = {
    // anion  reagent
    {"Cl",    "chlorine water"},
    {"Br",    "bromine water"},
    {"I",     "iodine solution"},
};
// clang-format on

// Cations, by name, that react with a halogen themselves: their metal has
// a higher charge, or copper(II) and iron(III) take the electrons of
// iodide. None is drawn.
constexpr std::string_view reactWithHalogens =
    "copper copper(II) iron iron(II) iron(III) tin(II)";

const Halogen* halogenOf(const Ion& anion) {
  for (const Halogen& h : halogens) {
    if (h.anion == anion.formula) return &h;
  }
  return nullptr;
}

bool isHalogen(const Ion& anion) {
  return anion.isAnion() && halogenOf(anion) != nullptr;
}

// Whether the halogen of `added` takes the electrons of the ion `halide`.
bool displaces(const Ion& added, const Ion& halide) {
  return halogenPlace(added.formula) < halogenPlace(halide.formula);
}

// A halide solution of a cation that leaves the halogens alone, of another
// halogen than the one added, and the salt that would form exists in water.
bool askable(const Reactants& r) {
  const Ion& added = r.ions[0];
  const Ion& cation = r.ions[1];
  const Ion& halide = r.ions[2];
  return added.formula != halide.formula &&
         !isListed(reactWithHalogens, cation.name) &&
         isKnownSolution(cation, halide) && isKnownSolution(cation, added);
}

void everyDraw(const std::function<void(const Reactants&)>& visit) {
  forEachIon(isHalogen, [&](const Ion& added) {
    forEachIon(role::cation, [&](const Ion& cation) {
      forEachIon(isHalogen, [&](const Ion& halide) {
        const Reactants r{{added, cation, halide}, {}};
        if (askable(r)) visit(r);
      });
    });
  });
}

// One of every question the rules allow, each as likely: drawn ions would
// mostly be rejected, so the questions are listed once and one is drawn.
Reactants draw() {
  static const std::vector<Reactants> all = listed(everyDraw);
  return drawOneOf(all);
}

// The halogen of `anion`, in a word: "chlorine".
std::string_view elementName(const Ion& anion) {
  return elementWord(*nonmetalElement(anion));
}

std::string element(const Ion& anion) {
  return std::string(elementName(anion));
}

words::WordSide before(const Reactants& r) {
  return words::WordSide()
      .phrase(elementName(r.ions[0]))
      .compound(r.ions[1], r.ions[2]);
}

words::WordSide after(const Reactants& r) {
  return words::WordSide()
      .phrase(elementName(r.ions[2]))
      .compound(r.ions[1], r.ions[0]);
}

QuestionTexts compose(const Reactants& r) {
  const Ion& added = r.ions[0];
  const Ion& cation = r.ions[1];
  const Ion& halide = r.ions[2];
  QuestionTexts t;
  t.qtype = "halogen displacement";
  t.question = std::string(halogenOf(added)->reagent) + " + " +
               words::compound(cation, halide) + " solution";
  if (!displaces(added, halide)) {
    words::noReaction(
        t, element(added) + " is less reactive than " + element(halide));
    return t;
  }
  t.products = element(halide) + " + " + words::compound(cation, added);
  t.ionic = netIonic(before(r), after(r));
  return t;
}

// "chlorine is above bromine in the halogen series (F Cl Br I), so ..."
std::string place(const Ion& added, const Ion& halide, std::string_view so) {
  const bool above = displaces(added, halide);
  return element(added) + (above ? " is above " : " is below ") +
         element(halide) + " in the halogen series (" +
         std::string(chemistry::halogenSeries) + "), so it " + std::string(so) +
         " the electrons of the " + halide.name + " ions.";
}

std::vector<std::string> reasons(const Reactants& r) {
  const Ion& added = r.ions[0];
  const Ion& halide = r.ions[2];
  if (!displaces(added, halide)) return {place(added, halide, "cannot take")};
  std::vector<std::string> lines = {place(added, halide, "takes")};
  why::addSpectators(lines, before(r), after(r));
  lines.push_back(formulaReason(r.ions[1], added));
  return lines;
}

Term halogen(const Ion& anion) {
  return terms::molecule(std::string(nonmetalElement(anion)->formula),
                         State::aqueous);
}

FormulaEquations formulas(const Reactants& r) {
  const Ion& added = r.ions[0];
  const Ion& cation = r.ions[1];
  const Ion& halide = r.ions[2];
  std::vector<Term> reactants = terms::side(
      halogen(added), terms::compound(cation, halide, State::aqueous));
  if (!displaces(added, halide)) return terms::noReaction(std::move(reactants));
  return terms::derive(
      {std::move(reactants),
       terms::side(terms::compound(cation, added, State::aqueous),
                   halogen(halide))});
}

}  // namespace

const ReactionType halogenDisplacement = {
    "halogen displacement",
    "halogen displacement: a halogen in water takes the electrons of the "
    "ions of a less reactive halogen, which it sets free, or is not reactive "
    "enough to.",
    draw,
    compose,
    formulas,
    reasons,
    everyDraw};
