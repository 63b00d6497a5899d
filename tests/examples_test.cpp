// The worked examples of what this model once stated falsely, and one
// question of each type with its reasons, word for word.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue.h"
#include "equation_text.h"
#include "reaction_types.h"

namespace {

TEST(Chemistry, WorkedExamplesOfWhatChanged) {
  const struct {
    unsigned type;
    std::vector<std::string> ions;
    std::string ionic, formula, net;  // net "" for no ionic lines
  } examples[] = {
      {1,
       {"chloride", "sodium", "oxide"},
       "hydrogen ions + sodium oxide -> sodium ions + water",
       "2HCl(aq) + Na2O(s) -> 2NaCl(aq) + H2O(l)",
       "2H+(aq) + Na2O(s) -> 2Na+(aq) + H2O(l)"},
      {5,
       {"iron", "chloride"},
       "iron metal + chlorine gas -> iron(III) chloride",
       "2Fe(s) + 3Cl2(g) -> 2FeCl3(s)",
       ""},
      {1,
       {"fluoride", "sodium", "hydroxide"},
       "hydrofluoric acid + hydroxide ions -> fluoride ions + water",
       "HF(aq) + NaOH(aq) -> NaF(aq) + H2O(l)",
       "HF(aq) + OH-(aq) -> F-(aq) + H2O(l)"},
      {1,
       {"carbonate", "ammonium", "hydroxide"},
       "carbonic acid + ammonium hydroxide -> ammonium ions + carbonate ions "
       "+ water",
       "H2CO3(aq) + 2NH4OH(aq) -> (NH4)2CO3(aq) + 2H2O(l)",
       "H2CO3(aq) + 2NH4OH(aq) -> 2NH4+(aq) + CO32-(aq) + 2H2O(l)"},
      {5,
       {"iron", "oxide"},
       "iron metal + oxygen gas -> iron(III) oxide",
       "4Fe(s) + 3O2(g) -> 2Fe2O3(s)",
       ""},
      {3,
       {"fluoride", "zinc"},
       "hydrofluoric acid + zinc metal -> hydrogen gas + zinc ions + fluoride "
       "ions",
       "2HF(aq) + Zn(s) -> H2(g) + ZnF2(aq)",
       "2HF(aq) + Zn(s) -> H2(g) + Zn2+(aq) + 2F-(aq)"},
  };
  for (const auto& e : examples) {
    Reaction r{e.type, {}};
    for (const std::string& name : e.ions)
      r.reactants.ions.push_back(named(name));
    const FormulaEquations f = formulaEquations(r);
    EXPECT_EQ(compose(r).ionic, e.ionic);
    EXPECT_EQ(ascii(f.formula), e.formula);
    EXPECT_EQ(f.net ? ascii(*f.net) : "", e.net) << e.formula;
  }
  // The complete ionic equation keeps the weak acid whole too.
  EXPECT_EQ(
      ascii(*formulaEquations(Reaction{1,
                                       {{named("fluoride"), named("sodium"),
                                         named("hydroxide")},
                                        {}}})
                 .complete),
      "HF(aq) + Na+(aq) + OH-(aq) -> Na+(aq) + F-(aq) + H2O(l)");
}

// One question of each type and its reasons, joined by " | ".
TEST(Chemistry, ReasonsOfEachType) {
  const std::string series =
      "The activity series: K Na Li Ca Mg Al Zn Fe Sn Pb (H) Cu Hg Ag Au.";
  const struct {
    Reaction reaction;
    std::string reasons;
  } examples[] = {
      {{1, {{named("nitrate"), named("copper(II)"), named("hydroxide")}, {}}},
       "copper(II) hydroxide is solid. Hydroxides do not dissolve, except "
       "those of the group 1 metals and ammonium, and of barium and "
       "strontium. | nitrate ions are spectators: dissolved on both sides, "
       "unchanged. | Cu2+ and NO3 -: one Cu for two NO3 gives Cu(NO3)2."},
      {{1, {{named("chloride"), named("copper"), named("oxide")}, {}}},
       "copper(II) oxide is solid. Oxides do not dissolve; those of the group "
       "1 metals, calcium, strontium and barium react with water instead. | "
       "chloride ions are spectators: dissolved on both sides, unchanged. | "
       "Cu2+ and Cl-: one Cu for two Cl gives CuCl2."},
      {{2, {{named("fluoride"), named("sodium"), named("carbonate")}, {}}},
       "The acid and the carbonate give carbonic acid, H2CO3, which breaks "
       "down into water and carbon dioxide. | hydrofluoric acid is a weak "
       "acid: it stays a molecule in water. | sodium ions are spectators: "
       "dissolved on both sides, unchanged. | Na+ and F-: one of each gives "
       "NaF."},
      {{3, {{named("sulfate"), named("copper")}, {}}},
       "copper is below hydrogen in the activity series, so nothing reacts. "
       "| " +
           series},
      {{4, {{named("magnesium")}, {}}},
       "magnesium reacts only very slowly with cold water. | In steam it "
       "gives magnesium oxide and hydrogen. | " +
           series},
      {{4, {{named("aluminium")}, {}}},
       "aluminium does not react with water: a layer of oxide protects it. | " +
           series},
      {{5, {{named("iron"), named("iodide")}, {}}},
       "iron forms iron(III) with fluorine, chlorine, bromine and oxygen, and "
       "iron(II) with iodine and sulfur. | Fe2+ and I-: one Fe for two I gives "
       "FeI2."},
      {{6,
        {{named("silver"), named("nitrate"), named("sodium"),
          named("chloride")},
         {}}},
       "silver chloride is solid. Chlorides and bromides dissolve, except "
       "those of silver and lead. | sodium nitrate stays dissolved. Salts of "
       "the group 1 metals and ammonium dissolve, except their oxides, "
       "nitrides and phosphides, which react with water instead. | nitrate "
       "ions and sodium ions are spectators: dissolved on both sides, "
       "unchanged. | Ag+ and Cl-: one of each gives AgCl."},
      {{7, {{named("zinc"), named("copper"), named("sulfate")}, {}}},
       "zinc is above copper in the activity series, so it displaces copper "
       "from its salt. | " +
           series +
           " | sulfate ions are spectators: "
           "dissolved on both sides, unchanged. | Zn2+ and SO4 2-: one of each "
           "gives ZnSO4."},
      {burning("C2H6O"),
       "C2H6O is ethanol. | In air, carbon burns to carbon dioxide and "
       "hydrogen to water. | Balance C, then H, then O: C2H6O + 3O2 -> 2CO2 + "
       "3H2O."},
  };
  // What a class would see comes last, the same for every type
  // (picture_test.cpp).
  for (const auto& e : examples) {
    std::vector<std::string> all = reasons(e.reaction);
    all.pop_back();
    EXPECT_EQ(joined(all, " | "), e.reasons);
  }
}

}  // namespace
