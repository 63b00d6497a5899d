// The ion model: its catalogue, selection by role, the activity series and
// the solubility rules.
#include "ion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue.h"
#include "text.h"

namespace {

auto fields(const Ion& i) {
  return std::tie(i.name, i.formula, i.sign, i.valency, i.polyatomic,
                  i.acidname);
}

// --- Catalogue ---------------------------------------------------------------

// The catalogue's own rows, in order (the seeds' golden files pin the
// order): every name once, a charge of 1 to 3, an acid only of an anion,
// and a group exactly where the formula holds more than one element.
TEST(Catalogue, HoldsItsRowsInOrder) {
  ASSERT_EQ(catalogue().size(), std::size(chemistry::ionCatalogue));
  std::set<std::string> names;
  for (const Ion& i : catalogue()) {
    EXPECT_TRUE(names.insert(i.name).second) << i.name;
    EXPECT_TRUE(i.valency >= 1 && i.valency <= 3) << i.name;
    EXPECT_TRUE(i.acidname.empty() || i.isAnion()) << i.name;
    const auto elements = std::count_if(i.formula.begin(), i.formula.end(),
                                        [](char c) { return isUpper(c); });
    EXPECT_EQ(i.polyatomic, elements > 1) << i.name;
  }
  EXPECT_EQ(catalogue().front().name, "bromide");
  EXPECT_EQ(catalogue().back().name, "calcium");
}

TEST(IonRecord, DefaultIsAnEmptyCationOfValencyOne) {
  const Ion empty;
  EXPECT_EQ(fields(empty), fields(Ion("", "", false, 1, false, "")));
}

TEST(IonRecord, BuiltInPlaceOrAssignedEqualsTheCatalogueEntry) {
  const Ion built("hydroxide", "OH", true, 1, true, "");
  EXPECT_EQ(fields(built), fields(named("hydroxide")));
  Ion assigned;
  assigned = named("sodium");
  EXPECT_EQ(fields(assigned), fields(named("sodium")));
}

// --- Random selection
// ----------------------------------------------------------

std::set<std::string> namesDrawn(Ion (*selector)(), int draws) {
  std::set<std::string> names;
  for (int k = 0; k < draws; ++k) names.insert(selector().name);
  return names;
}

std::set<std::string> allNames(bool wantSign) {
  std::set<std::string> names;
  for (const Ion& i : catalogue()) {
    if (i.isAnion() == wantSign) names.insert(i.name);
  }
  return names;
}

TEST(Selectors, DrawExactlyTheirRole) {
  seedChance(7);
  std::set<std::string> everything = allNames(true);
  everything.merge(allNames(false));
  const std::vector<std::pair<Ion (*)(), std::set<std::string>>> cases = {
      {randomIon, everything},
      {randomNeg, allNames(true)},
      {randomPos, allNames(false)},
      {randomAcid,
       {"bromide", "iodide", "fluoride", "chloride", "nitrate", "phosphate",
        "sulfate", "carbonate"}},
      {randomBase, {"hydroxide", "carbonate", "oxide", "bicarbonate"}},
      {randomCarbonate, {"carbonate", "bicarbonate"}},
      {randomBaseNoCarbonate, {"hydroxide", "oxide"}},
  };
  EXPECT_EQ(everything.size(), catalogue().size());
  EXPECT_EQ(allNames(true).size(), 14U);
  for (const auto& [selector, allowed] : cases) {
    EXPECT_EQ(namesDrawn(selector, 5000), allowed);
  }
}

TEST(Selectors, RandomIonDrawsEveryPositionEvenly) {
  seedChance(12345);
  const std::size_t perPosition = 2000;
  std::map<std::string, int> counts;
  for (std::size_t k = 0; k < catalogue().size() * perPosition; ++k) {
    ++counts[randomIon().name];
  }
  ASSERT_EQ(counts.size(), catalogue().size());
  double chiSquare = 0;
  for (const auto& [name, count] : counts) {
    const double diff = count - static_cast<double>(perPosition);
    chiSquare += diff * diff / perPosition;
  }
  // 38 degrees of freedom: a fair draw exceeds 70 about once in a thousand.
  EXPECT_LT(chiSquare, 70.0);
}

// --- Activity series
// -----------------------------------------------------------

TEST(Activity, RanksTheCatalogueMetals) {
  const std::vector<std::pair<std::string, int>> ranks = {
      {"potassium", 14}, {"sodium", 13},     {"lithium", 12},
      {"magnesium", 10}, {"aluminium", 9},   {"zinc", 8},
      {"iron", 7},       {"iron(II)", 7},    {"iron(III)", 7},
      {"tin(II)", 6},    {"lead(II)", 5},    {"copper", 4},
      {"copper(II)", 4}, {"copper(III)", 4}, {"mercury", 3},
      {"silver", 2},     {"gold", 1},        {"barium", 0},
      {"manganese", 0},  {"cobalt", 0},      {"nickel", 0},
      {"cadmium", 0},    {"chromium", 0},    {"beryllium", 0},
      {"ammonium", 0}};
  for (const auto& [name, rank] : ranks) {
    EXPECT_EQ(reactivity(named(name).formula), rank) << name;
  }
  EXPECT_EQ(reactivity("Ca"), 11);
  for (const char* unknown : {"cu", " Zn", "Zn ", "", "ZN"}) {
    EXPECT_EQ(reactivity(unknown), 0) << '"' << unknown << '"';
  }
}

TEST(Activity, AcidAndWaterThresholdsAreStrict) {
  const std::vector<std::string> series = {"K",  "Na", "Li", "Ca", "Mg", "Al",
                                           "Zn", "Fe", "Sn", "Pb", "Cu", "Hg",
                                           "Ag", "Au", "Ba", "NH4"};
  std::string acid;
  std::string water;
  for (const std::string& e : series) {
    if (reactsWithAcid(e)) acid += e + " ";
    if (reactsWithWater(e)) water += e + " ";
  }
  EXPECT_EQ(acid, "K Na Li Ca Mg Al Zn Fe Sn Pb ");
  EXPECT_EQ(water, "K Na Li Ca ");
}

// --- Solubility
// ----------------------------------------------------------------

TEST(Solubility, WorkedPairs) {
  const std::vector<std::tuple<std::string, std::string, char>> pairs = {
      {"silver", "chloride", 'N'},      {"lead(II)", "nitrate", 'Y'},
      {"barium", "sulfate", 'N'},       {"magnesium", "hydroxide", 'N'},
      {"sodium", "carbonate", 'Y'},     {"beryllium", "sulfide", 'N'},
      {"zinc", "sulfide", 'N'},         {"manganese", "fluoride", 'N'},
      {"iron", "fluoride", 'Y'},        {"barium", "oxide", 'N'},
      {"aluminium", "oxide", 'N'},      {"copper", "nitride", 'N'},
      {"potassium", "nitride", 'N'},    {"mercury", "iodide", 'N'},
      {"lead(II)", "bromide", 'N'},     {"lead(II)", "sulfate", 'N'},
      {"lead(II)", "fluoride", 'N'},    {"copper", "phosphate", 'N'},
      {"ammonium", "phosphate", 'Y'},   {"zinc", "phosphide", 'N'},
      {"ammonium", "bicarbonate", 'Y'}, {"magnesium", "bicarbonate", 'Y'},
      {"silver", "bicarbonate", 'Y'},   {"lead(II)", "bicarbonate", 'Y'},
      {"lithium", "hydroxide", 'Y'},    {"barium", "hydroxide", 'Y'},
      {"mercury", "chloride", 'Y'},     {"beryllium", "fluoride", 'Y'},
  };
  for (const auto& [cation, anion, code] : pairs) {
    EXPECT_EQ(isSolubleChar(named(cation), named(anion)), code)
        << cation << " " << anion;
  }
}

TEST(Solubility, RuleOrderAndArgumentOrderMatter) {
  const auto withFormula = [](const char* f) {
    return Ion("", f, false, 1, false, "");
  };
  // The cation rule comes before every anion rule.
  EXPECT_EQ(isSolubleChar(named("ammonium"), named("carbonate")), 'Y');
  EXPECT_EQ(isSolubleChar(withFormula("Na"), named("bicarbonate")), 'Y');
  // Calcium and strontium are known to the rules, not to the catalogue.
  EXPECT_EQ(isSolubleChar(withFormula("Sr"), named("sulfate")), 'N');
  EXPECT_EQ(isSolubleChar(withFormula("Ca"), named("sulfide")), 'Y');
  // Swapped arguments reach no anion rule.
  EXPECT_EQ(isSolubleChar(named("chloride"), named("silver")), ' ');
}

// Whether `rule`'s sentence speaks of the salt of `c` and `a`, which exists.
bool speaksOf(const chemistry::SolubilityRule& rule, const Ion& c,
              const Ion& a) {
  return !c.isAnion() && a.isAnion() && compoundExists(c, a) &&
         ion_detail::covers(rule.cations, c.formula) &&
         ion_detail::covers(rule.anions, a.formula);
}

// What `said`, the statement of `rule`, says the salt of `c` and `a` does.
chemistry::InWater stated(const chemistry::SolubilityRule& rule,
                          const RuleStatement& said, const Ion& c,
                          const Ion& a) {
  const std::string apart = rule.anions.empty() ? a.formula : c.formula;
  chemistry::InWater inWater = said.usually;
  for (const SaltsApart& group : said.apart) {
    for (const std::string_view f : group.formulas) {
      if (f == apart) inWater = group.inWater;
    }
  }
  return inWater;
}

// What each rule's sentence says of every salt it speaks of is what the
// rules decide: no sentence printed alone says anything false.
TEST(Solubility, EverySentenceIsTrueOfEverySaltItSpeaksOf) {
  for (const chemistry::SolubilityRule& rule : chemistry::solubilityRules) {
    const RuleStatement said = ruleStatement(rule);
    for (const Ion& c : catalogue()) {
      for (const Ion& a : catalogue()) {
        if (!speaksOf(rule, c, a)) continue;
        EXPECT_EQ(stated(rule, said, c, a),
                  inWaterBy(*solubilityRule(c, a), c.formula))
            << ruleSentence(rule) << " " << c.name << " " << a.name;
      }
    }
  }
}

}  // namespace
