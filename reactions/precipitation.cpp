// 6. Two salt solutions mixed: a precipitate, or none.
// Reactants: the cation and anion of salt A, then of salt B, which shares
// neither ion formula with salt A.
#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

#include "reasons.h"
#include "solutions.h"
#include "terms.h"
#include "words.h"

namespace {

// Salt B must bring a new cation and a new anion, or nothing can exchange.
// Iron(II) and iron(III) share the formula Fe, so they count as the same.
bool canExchangeIons(const Ion& ap, const Ion& an, const Ion& bp,
                     const Ion& bn) {
  return bp.formula != ap.formula && bn.formula != an.formula;
}

// Whether the salt of `cation` and `anion` exists and can stand in water,
// dissolved or as a solid; tabled, since the draws ask it of every pair
// they pass over.
bool formsInWater(const Ion& cation, const Ion& anion) {
  return pairFact(cation, anion, [](const Ion& c, const Ion& a) {
    return compoundExists(c, a) && staysInWater(c, a);
  });
}

// A cation and an anion of the catalogue, in place.
struct Salt {
  const Ion* cation;
  const Ion* anion;
};

// A fresh draw of a cation, then an anion, until their salt is drawn
// dissolved and exists.
Salt drawDissolvedSalt() {
  for (;;) {
    // As randomPos() then randomNeg() draw them.
    const Ion& p = drawIonInPlace(role::cation);
    const Ion& n = drawIonInPlace(role::anion);
    if (isDrawnDissolved(p, n) && compoundExists(p, n)) return {&p, &n};
  }
}

// One ion by its formula and its charge.
struct IonOf {
  std::string_view formula;
  int charge;

  [[nodiscard]] bool is(const Ion& i) const {
    return i.formula == formula && signedCharge(i) == charge;
  }
};

// Ions that react with each other in some other way than by swapping
// partners; the drill never mixes them.
struct OtherReaction {
  IonOf first;
  IonOf second;
};
// clang-format off
constexpr OtherReaction otherReactions[] = {
    // ion          with         what happens instead
    {{"NH4",  1},   {"OH", -1}}, // ammonia is given off: the ammonium test
    {{"HCO3", -1},  {"OH", -1}}, // the hydroxide neutralises the bicarbonate
    {{"Fe",   3},   {"I",  -1}}, // iron(III) takes the electrons of iodide
    {{"Cu",   2},   {"I",  -1}}, // copper(II) gives copper(I) iodide, iodine
    {{"Fe",   3},   {"Sn",  2}}, // tin(II) gives its electrons to iron(III)
};
// clang-format on

bool reactOtherwise(const Ion& a, const Ion& b) {
  return std::any_of(std::begin(otherReactions), std::end(otherReactions),
                     [&](const OtherReaction& o) {
                       return (o.first.is(a) && o.second.is(b)) ||
                              (o.first.is(b) && o.second.is(a));
                     });
}

// Every salt the question names exists and can stand in water, whether or
// not one precipitates; no ion of one solution reacts with one of the
// other in some other way.
bool askableMix(const Ion& ap, const Ion& an, const Ion& bp, const Ion& bn) {
  if (!formsInWater(ap, an) || !formsInWater(bp, bn) || !formsInWater(ap, bn) ||
      !formsInWater(bp, an)) {
    return false;
  }
  for (const Ion* a : {&ap, &an}) {
    for (const Ion* b : {&bp, &bn}) {
      if (reactOtherwise(*a, *b)) return false;
    }
  }
  return true;
}

bool askable(const Reactants& r) {
  return askableMix(r.ions[0], r.ions[1], r.ions[2], r.ions[3]);
}

// Salt A, then salt B until it brings a new cation and a new anion and the
// new salts exist, all tested in place and copied once taken.
Reactants draw() {
  const Salt a = drawDissolvedSalt();
  Salt b = drawDissolvedSalt();
  while (!canExchangeIons(*a.cation, *a.anion, *b.cation, *b.anion) ||
         !askableMix(*a.cation, *a.anion, *b.cation, *b.anion)) {
    b = drawDissolvedSalt();
  }
  return {{*a.cation, *a.anion, *b.cation, *b.anion}, {}};
}

void everyDraw(const std::function<void(const Reactants&)>& visit) {
  std::vector<std::pair<Ion, Ion>> salts;
  forEachIon(role::cation, [&](const Ion& p) {
    forEachIon(role::anion, [&](const Ion& n) {
      if (isDrawnDissolved(p, n)) salts.emplace_back(p, n);
    });
  });
  for (const auto& [ap, an] : salts) {
    for (const auto& [bp, bn] : salts) {
      const Reactants r{{ap, an, bp, bn}, {}};
      if (canExchangeIons(ap, an, bp, bn) && askable(r)) visit(r);
    }
  }
}

// The two solutions as they are mixed, and the two new salts.
words::WordSide mixed(const Reactants& r) {
  return words::WordSide()
      .compound(r.ions[0], r.ions[1])
      .compound(r.ions[2], r.ions[3]);
}

words::WordSide formed(const Reactants& r) {
  return words::WordSide()
      .compound(r.ions[0], r.ions[3])
      .compound(r.ions[2], r.ions[1]);
}

QuestionTexts compose(const Reactants& r) {
  const Ion& ap = r.ions[0];
  const Ion& an = r.ions[1];
  const Ion& bp = r.ions[2];
  const Ion& bn = r.ions[3];
  QuestionTexts t;
  t.qtype = "precipitation reaction";
  t.question = words::compound(ap, an) + " solution + " +
               words::compound(bp, bn) + " solution";
  t.products = words::compound(ap, bn) + " + " + words::compound(bp, an);
  if (isSolubleChar(ap, bn) == soluble && isSolubleChar(bp, an) == soluble) {
    t.qtype = "salt + salt with no precipitate";
    t.ionic = "NO REACTION (all spectator ions)";
  } else {
    t.ionic = netIonic(mixed(r), formed(r));
  }
  return t;
}

std::vector<std::string> reasons(const Reactants& r) {
  const Ion& ap = r.ions[0];
  const Ion& an = r.ions[1];
  const Ion& bp = r.ions[2];
  const Ion& bn = r.ions[3];
  std::vector<std::string> lines = {why::solubility(ap, bn),
                                    why::solubility(bp, an)};
  why::addWeakBase(lines, ap, an);
  why::addWeakBase(lines, bp, bn);
  if (isSolubleChar(ap, bn) == soluble && isSolubleChar(bp, an) == soluble) {
    return lines;
  }
  why::addSpectators(lines, mixed(r), formed(r));
  for (const auto& [cation, anion] :
       {std::pair(&ap, &bn), std::pair(&bp, &an)}) {
    if (isSolubleChar(*cation, *anion) != soluble) {
      lines.push_back(formulaReason(*cation, *anion));
    }
  }
  return lines;
}

FormulaEquations formulas(const Reactants& r) {
  const Ion& ap = r.ions[0];
  const Ion& an = r.ions[1];
  const Ion& bp = r.ions[2];
  const Ion& bn = r.ions[3];
  // The reactants are solutions; a new salt with no rule counts as a
  // precipitate.
  std::vector<Term> reactants =
      terms::side(terms::compound(ap, an, State::aqueous),
                  terms::compound(bp, bn, State::aqueous));
  const State apbn = terms::dissolvedIfSoluble(ap, bn);
  const State bpan = terms::dissolvedIfSoluble(bp, an);
  if (apbn == State::aqueous && bpan == State::aqueous) {
    return terms::noReaction(std::move(reactants));
  }
  return terms::derive(
      {std::move(reactants), terms::side(terms::compound(ap, bn, apbn),
                                         terms::compound(bp, an, bpan))});
}

}  // namespace

const ReactionType precipitation = {
    "precipitation",
    "precipitation: two dissolved salts swap partners; a new salt that does "
    "not dissolve falls out of solution, and where none does, nothing reacts.",
    draw,
    compose,
    formulas,
    reasons,
    everyDraw};
