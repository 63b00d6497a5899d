// Writing the four texts of each reaction type from its drawn reactants.
// Pure: no chance and no shared state, so each worked example can be
// checked word for word.
#include <string>
#include <string_view>
#include <utility>

#include "reactions.h"

namespace {

// Terms of one side of a word equation, joined by " + ".
class Terms {
 public:
  Terms& add(std::string_view term) {
    if (!text_.empty()) text_ += " + ";
    text_ += term;
    return *this;
  }
  [[nodiscard]] const std::string& text() const { return text_; }

 private:
  std::string text_;
};

std::string compound(const Ion& cation, const Ion& anion) {
  return cation.name + " " + anion.name;
}
std::string ions(const Ion& i) { return i.name + " ions"; }
std::string metal(const Ion& i) { return i.name + " metal"; }
std::string acid(const Ion& anion) { return anion.acidname + " acid"; }

std::string equation(std::string_view reactants, std::string_view products) {
  return std::string(reactants) + " -> " + std::string(products);
}

// A metal that does not react: the caption says why and the reactants stay
// as they were.
void noReaction(QuestionTexts& t, std::string caption) {
  t.qtype = std::move(caption);
  t.products = t.question;
  t.ionic = "NO REACTION";
}

// The net ionic equation of an acid with a base or carbonate of `rp` and
// `rn`. What dissolves is written as ions and spectators are left out; what
// does not dissolve is written whole. `rest` is what forms besides the salt.
std::string neutralisationIonic(const Ion& an, const Ion& rp, const Ion& rn,
                                std::string_view rest) {
  const bool saltsol = isSolubleChar(rp, an) == soluble;
  const bool basesol = isSolubleChar(rp, rn) == soluble;
  Terms reactants;
  reactants.add("hydrogen ions");
  if (!saltsol) reactants.add(ions(an));
  if (basesol) {
    if (!saltsol) reactants.add(ions(rp));
    reactants.add(ions(rn));
  } else {
    reactants.add(compound(rp, rn));
  }
  Terms formed;
  if (!saltsol) {
    formed.add(compound(rp, an));
  } else if (!basesol) {
    formed.add(ions(rp));
  }
  formed.add(rest);
  return equation(reactants.text(), formed.text());
}

// An acid with a base or carbonate: a salt and `rest` always form.
QuestionTexts neutralisation(const Ion& an, const Ion& rp, const Ion& rn,
                             std::string caption, std::string_view rest) {
  QuestionTexts t;
  t.qtype = std::move(caption);
  t.question = acid(an) + " + " + compound(rp, rn);
  t.products = compound(rp, an) + " + " + std::string(rest);
  t.ionic = neutralisationIonic(an, rp, rn, rest);
  return t;
}

std::string coefficient(int c) { return c > 1 ? std::to_string(c) : ""; }

// a fuel + b O2 -> c CO2 + d H2O, in the smallest whole numbers.
std::string balancedCombustion(const Fuel& f, const std::string& fuel) {
  // Four molecules of fuel always balance; any common factor divides 4.
  int a = 4;
  int b = 4 * f.numc + f.numh - 2 * f.numo;
  int c = 4 * f.numc;
  int d = 2 * f.numh;
  while (a % 2 == 0 && b % 2 == 0 && c % 2 == 0 && d % 2 == 0) {
    a /= 2;
    b /= 2;
    c /= 2;
    d /= 2;
  }
  return coefficient(a) + fuel + " + " + coefficient(b) + "O2 -> " +
         coefficient(c) + "CO2 + " + coefficient(d) + "H2O";
}

}  // namespace

bool displaces(const Ion& metal, const Ion& dissolved) {
  return reactivity(metal.formula) > reactivity(dissolved.formula);
}

// Small hydrocarbons are gases, oxygen makes a fuel liquid, and much oxygen
// makes it solid.
std::string_view fuelState(const Fuel& f) {
  if (f.numo == 0) return f.numc <= 4 ? "gas" : "liquid";
  return f.numo <= 3 ? "liquid" : "solid";
}

// A count of 1 is not written; hydrogen is always at least 2.
std::string fuelFormula(const Fuel& f) {
  std::string formula = "C";
  if (f.numc > 1) formula += std::to_string(f.numc);
  formula += "H" + std::to_string(f.numh);
  if (f.numo >= 1) formula += "O";
  if (f.numo > 1) formula += std::to_string(f.numo);
  return formula;
}

QuestionTexts compose(const AcidBase& r) {
  return neutralisation(r.an, r.rp, r.rn, "acid + base -> salt + water",
                        "water");
}

QuestionTexts compose(const AcidCarbonate& r) {
  return neutralisation(r.an, r.rp, r.rn,
                        "acid + carbonate -> salt + water + carbon dioxide gas",
                        "water + carbon dioxide");
}

QuestionTexts compose(const AcidMetal& r) {
  QuestionTexts t;
  t.qtype = "acid + reactive metal -> hydrogen gas + salt";
  t.question = acid(r.an) + " + " + metal(r.rp);
  if (!reactsWithAcid(r.rp.formula)) {
    noReaction(t, r.rp.name + " is not reactive enough to react with acid");
    return t;
  }
  const std::string salt = compound(r.rp, r.an);
  t.products = "hydrogen gas + " + salt;
  // When the salt does not dissolve its anion is no spectator, so the acid
  // is written whole.
  if (isSolubleChar(r.rp, r.an) == insoluble) {
    t.ionic = equation(t.question, t.products);
  } else {
    t.ionic = equation("hydrogen ions + " + metal(r.rp),
                       "hydrogen gas + " + ions(r.rp));
  }
  return t;
}

QuestionTexts compose(const WaterMetal& r) {
  static const Ion oh("hydroxide", "OH", true, 1, true, "");
  QuestionTexts t;
  t.qtype = "water + reactive metal -> hydrogen gas + metal hydroxide";
  t.question = "water + " + metal(r.rp);
  if (!reactsWithWater(r.rp.formula)) {
    noReaction(t, r.rp.name + " is not reactive enough to react with water");
    return t;
  }
  t.products = "hydrogen gas + " + compound(r.rp, oh);
  if (isSolubleChar(r.rp, oh) == insoluble) {
    t.ionic = equation(t.question, t.products);
  } else {
    t.ionic =
        equation(t.question, "hydrogen gas + " + ions(r.rp) + " + " + ions(oh));
  }
  return t;
}

QuestionTexts compose(const MetalNonmetal& r) {
  QuestionTexts t;
  t.qtype = "metal + nonmetal -> salt";
  t.question = metal(r.rp) + " + " + r.element;
  t.products = compound(r.rp, r.rn);
  t.ionic = equation(t.question, t.products);
  return t;
}

QuestionTexts compose(const Precipitation& r) {
  QuestionTexts t;
  t.qtype = "precipitation reaction";
  t.question = compound(r.ap, r.an) + " solution + " + compound(r.bp, r.bn) +
               " solution";
  t.products = compound(r.ap, r.bn) + " + " + compound(r.bp, r.an);
  // A new salt the rules cannot tell counts as a precipitate.
  const bool apbnsol = isSolubleChar(r.ap, r.bn) == soluble;
  const bool bpansol = isSolubleChar(r.bp, r.an) == soluble;
  if (apbnsol && bpansol) {
    t.qtype = "salt + salt with no precipitate";
    t.ionic = "NO REACTION (all spectator ions)";
  } else if (apbnsol) {
    t.ionic = equation(ions(r.an) + " + " + ions(r.bp), compound(r.bp, r.an));
  } else if (bpansol) {
    t.ionic = equation(ions(r.ap) + " + " + ions(r.bn), compound(r.ap, r.bn));
  } else {
    Terms all;
    all.add(ions(r.ap)).add(ions(r.an)).add(ions(r.bp)).add(ions(r.bn));
    t.ionic = equation(all.text(), t.products);
  }
  return t;
}

QuestionTexts compose(const Displacement& r) {
  QuestionTexts t;
  t.qtype = "single displacement reaction";
  t.question = metal(r.rp) + " + " + compound(r.ep, r.en) + " solution";
  if (!displaces(r.rp, r.ep)) {
    noReaction(t,
               r.rp.name + " is not reactive enough to displace " + r.ep.name);
    return t;
  }
  t.products = metal(r.ep) + " + " + compound(r.rp, r.en);
  // The anion is a spectator unless it leaves the solution in the new salt;
  // a salt the rules cannot tell counts as dissolved.
  if (isSolubleChar(r.rp, r.en) == insoluble) {
    t.ionic = equation(metal(r.rp) + " + " + ions(r.ep) + " + " + ions(r.en),
                       t.products);
  } else {
    t.ionic = equation(metal(r.rp) + " + " + ions(r.ep),
                       metal(r.ep) + " + " + ions(r.rp));
  }
  return t;
}

QuestionTexts compose(const Fuel& f) {
  const std::string fuel = fuelFormula(f);
  QuestionTexts t;
  t.qtype = "combustion in air -> combine with oxygen";
  t.question = "burning " + fuel + " " + std::string(fuelState(f)) + " in air";
  t.products = "carbon dioxide + water";
  t.ionic = balancedCombustion(f, fuel);
  return t;
}
