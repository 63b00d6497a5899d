#include "ion.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue.h"

namespace {

auto fields(const Ion& i) {
  return std::tie(i.name, i.formula, i.sign, i.valency, i.polyatomic,
                  i.acidname);
}

// --- Catalogue ---------------------------------------------------------------

TEST(Catalogue, HoldsTheThirtyNineIonsInOrder) {
  // clang-format off
  const std::vector<Ion> expected = {
      {"bromide", "Br", true, 1, false, "hydrobromic"},
      {"barium", "Ba", false, 2, false, ""},
      {"iodide", "I", true, 1, false, "hydroiodic"},
      {"manganese", "Mn", false, 2, false, ""},
      {"iron", "Fe", false, 2, false, ""},
      {"iron(II)", "Fe", false, 2, false, ""},
      {"iron(III)", "Fe", false, 3, false, ""},
      {"copper", "Cu", false, 2, false, ""},
      {"copper(II)", "Cu", false, 2, false, ""},
      {"copper(III)", "Cu", false, 3, false, ""},
      {"cobalt", "Co", false, 2, false, ""},
      {"nickel", "Ni", false, 2, false, ""},
      {"zinc", "Zn", false, 2, false, ""},
      {"cadmium", "Cd", false, 2, false, ""},
      {"tin(II)", "Sn", false, 2, false, ""},
      {"gold", "Au", false, 2, false, ""},
      {"mercury", "Hg", false, 2, false, ""},
      {"lead(II)", "Pb", false, 2, false, ""},
      {"chromium", "Cr", false, 3, false, ""},
      {"silver", "Ag", false, 1, false, ""},
      {"lithium", "Li", false, 1, false, ""},
      {"beryllium", "Be", false, 2, false, ""},
      {"nitride", "N", true, 3, false, ""},
      {"oxide", "O", true, 2, false, ""},
      {"fluoride", "F", true, 1, false, "hydrofluoric"},
      {"sodium", "Na", false, 1, false, ""},
      {"magnesium", "Mg", false, 2, false, ""},
      {"aluminium", "Al", false, 3, false, ""},
      {"phosphide", "P", true, 3, false, ""},
      {"sulfide", "S", true, 2, false, ""},
      {"chloride", "Cl", true, 1, false, "hydrochloric"},
      {"potassium", "K", false, 1, false, ""},
      {"nitrate", "NO3", true, 1, true, "nitric"},
      {"phosphate", "PO4", true, 3, true, "phosphoric"},
      {"sulphate", "SO4", true, 2, true, "sulphuric"},
      {"hydroxide", "OH", true, 1, true, ""},
      {"carbonate", "CO3", true, 2, true, "carbonic"},
      {"ammonium", "NH4", false, 1, true, ""},
      {"bicarbonate", "HCO3", true, 1, true, ""},
  };
  // clang-format on
  initIons();
  ASSERT_EQ(ion.size(), expected.size());
  for (std::size_t pos = 0; pos < expected.size(); ++pos) {
    EXPECT_EQ(fields(ion[pos]), fields(expected[pos])) << "position " << pos;
  }
}

TEST(Catalogue, SecondInitIonsAddsNoSecondCopy) {
  initIons();
  initIons();
  EXPECT_EQ(ion.size(), 39U);
  EXPECT_EQ(ion.back().name, "bicarbonate");
}

TEST(Catalogue, SelectorsFillAnEmptyCatalogueFirst) {
  using Selector = Ion (*)();
  for (const Selector selector : {randomIon, randomNeg, randomPos}) {
    ion.clear();
    selector();
    EXPECT_EQ(ion.size(), 39U);
  }
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
  for (const Ion& i : ion) {
    if (i.sign == wantSign) names.insert(i.name);
  }
  return names;
}

TEST(Selectors, DrawExactlyTheirRole) {
  initIons();
  seedChance(7);
  std::set<std::string> everything = allNames(true);
  everything.merge(allNames(false));
  const std::vector<std::pair<Ion (*)(), std::set<std::string>>> cases = {
      {randomIon, everything},
      {randomNeg, allNames(true)},
      {randomPos, allNames(false)},
      {randomAcid,
       {"bromide", "iodide", "fluoride", "chloride", "nitrate", "phosphate",
        "sulphate", "carbonate"}},
      {randomBase, {"hydroxide", "carbonate", "oxide", "bicarbonate"}},
      {randomCarbonate, {"carbonate", "bicarbonate"}},
      {randomBaseNoCarbonate, {"hydroxide", "oxide"}},
  };
  EXPECT_EQ(everything.size(), 39U);
  EXPECT_EQ(allNames(true).size(), 14U);
  for (const auto& [selector, allowed] : cases) {
    EXPECT_EQ(namesDrawn(selector, 5000), allowed);
  }
}

TEST(Selectors, RandomIonDrawsEveryPositionEvenly) {
  initIons();
  seedChance(12345);
  const int perPosition = 2000;
  std::map<std::string, int> counts;
  for (int k = 0; k < 39 * perPosition; ++k) ++counts[randomIon().name];
  ASSERT_EQ(counts.size(), 39U);
  double chiSquare = 0;
  for (const auto& [name, count] : counts) {
    const double diff = count - perPosition;
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
      {"barium", "sulphate", 'N'},      {"magnesium", "hydroxide", 'N'},
      {"sodium", "carbonate", 'Y'},     {"beryllium", "sulfide", 'Y'},
      {"zinc", "sulfide", 'N'},         {"manganese", "fluoride", 'N'},
      {"iron", "fluoride", 'Y'},        {"barium", "oxide", 'Y'},
      {"aluminium", "oxide", 'N'},      {"copper", "nitride", ' '},
      {"potassium", "nitride", 'Y'},    {"mercury", "iodide", 'N'},
      {"lead(II)", "bromide", 'N'},     {"lead(II)", "sulphate", 'N'},
      {"lead(II)", "fluoride", 'N'},    {"copper", "phosphate", 'N'},
      {"ammonium", "phosphate", 'Y'},   {"zinc", "phosphide", ' '},
      {"ammonium", "bicarbonate", 'Y'}, {"magnesium", "bicarbonate", 'Y'},
      {"silver", "bicarbonate", 'Y'},   {"lead(II)", "bicarbonate", 'Y'},
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
  EXPECT_EQ(isSolubleChar(withFormula("H"), named("carbonate")), 'Y');
  EXPECT_EQ(isSolubleChar(withFormula("Na"), named("bicarbonate")), 'Y');
  // Calcium and strontium are known to the rules, not to the catalogue.
  EXPECT_EQ(isSolubleChar(withFormula("Sr"), named("sulphate")), 'N');
  EXPECT_EQ(isSolubleChar(withFormula("Ca"), named("oxide")), 'Y');
  EXPECT_EQ(isSolubleChar(withFormula("Ca"), named("sulfide")), 'Y');
  // Swapped arguments reach no anion rule.
  EXPECT_EQ(isSolubleChar(named("chloride"), named("silver")), ' ');
}

// --- Formula writing
// -------------------------------------------------------------

TEST(Formula, IonsWithTheirCharge) {
  const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
      {"bromide", "Br-", "-"},       {"sodium", "Na+", "+"},
      {"barium", "Ba2+", "2+"},      {"iron(III)", "Fe3+", "3+"},
      {"nitride", "N3-", "3-"},      {"sulphate", "SO42-", "2-"},
      {"phosphate", "PO43-", "3-"},  {"ammonium", "NH4+", "+"},
      {"bicarbonate", "HCO3-", "-"}, {"aluminium", "Al3+", "3+"}};
  for (const auto& [name, formula, charge] : cases) {
    EXPECT_EQ(named(name).makeFormula(), formula);
    EXPECT_EQ(named(name).getSuperscript(), charge);
  }
  EXPECT_EQ(Ion().makeFormula(), "+");
}

TEST(Formula, Compounds) {
  const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
      {"sodium", "chloride", "NaCl"},
      {"aluminium", "sulphate", "Al2(SO4)3"},
      {"ammonium", "sulphate", "(NH4)2SO4"},
      {"ammonium", "phosphate", "(NH4)3PO4"},
      {"magnesium", "hydroxide", "Mg(OH)2"},
      {"lead(II)", "nitrate", "Pb(NO3)2"},
      {"iron(III)", "oxide", "Fe2O3"},
      {"aluminium", "phosphate", "AlPO4"},
      {"potassium", "oxide", "K2O"},
      {"ammonium", "nitrate", "NH4NO3"},
      {"sodium", "nitrate", "NaNO3"},
      {"barium", "sulphate", "BaSO4"},
      {"iron(III)", "hydroxide", "Fe(OH)3"},
      {"magnesium", "nitride", "Mg3N2"}};
  for (const auto& [cation, anion, formula] : cases) {
    EXPECT_EQ(makeFormula(named(cation), named(anion)), formula);
  }
}

TEST(Formula, SubscriptsSwapCrosswise) {
  const auto withValency = [](int v) {
    return Ion("", "", false, static_cast<std::int16_t>(v), false, "");
  };
  // {own valency, other's valency, subscript}
  const std::vector<std::tuple<int, int, int>> cases = {
      {1, 1, 1}, {1, 2, 2}, {1, 3, 3}, {2, 1, 1}, {2, 3, 3},
      {3, 2, 2}, {3, 1, 1}, {2, 2, 1}, {4, 2, 1}};
  for (const auto& [v, w, subscript] : cases) {
    EXPECT_EQ(withValency(v).getSubscript(withValency(w)), subscript)
        << v << " with " << w;
  }
}

TEST(Formula, UcaseFoldsOnlyAsciiLetters) {
  EXPECT_EQ(ucase("so42-"), "SO42-");
  EXPECT_EQ(ucase("Fe3+"), "FE3+");
  EXPECT_EQ(ucase("FE3+"), "FE3+");
  EXPECT_EQ(ucase(std::string("a\xe9z\0b", 5)), std::string("A\xe9Z\0B", 5));
  EXPECT_EQ(ucase('q'), 'Q');
  EXPECT_EQ(ucase('{'), '{');
}

// --- Answer checking
// -------------------------------------------------------------

struct Verdict {
  bool right;
  std::string line;
};

Verdict ionAnswer(const std::string& name, const std::string& input) {
  std::ostringstream out;
  const bool right = named(name).getResponse(input, out);
  return {right, out.str()};
}

Verdict compoundAnswer(const std::string& cation, const std::string& anion,
                       const std::string& input) {
  std::ostringstream out;
  const bool right = getResponse(named(cation), named(anion), input, out);
  return {right, out.str()};
}

Verdict solubilityAnswer(const std::string& cation, const std::string& anion,
                         const std::string& input) {
  std::ostringstream out;
  const bool right = getSolResponse(named(cation), named(anion), input, out);
  return {right, out.str()};
}

void expectVerdict(const Verdict& actual, bool right, const std::string& line) {
  EXPECT_EQ(actual.right, right) << line;
  EXPECT_EQ(actual.line, line);
}

TEST(Answers, FormulaVerdicts) {
  expectVerdict(ionAnswer("sulphate", "SO42-"), true, "Correct.\n");
  expectVerdict(ionAnswer("sulphate", "SO4"), false,
                "Incorrect; correct answer is SO42-\n");
  expectVerdict(ionAnswer("sulphate", "so42-"), false,
                "Close; correct answer is SO42-\n");
  expectVerdict(compoundAnswer("sodium", "chloride", "NaCl"), true,
                "Correct.\n");
  expectVerdict(compoundAnswer("sodium", "chloride", "nacl"), false,
                "Close; correct answer is NaCl\n");
  expectVerdict(compoundAnswer("sodium", "chloride", "NaCl "), false,
                "Incorrect; correct answer is NaCl\n");
  expectVerdict(compoundAnswer("sodium", "chloride", ""), false,
                "Incorrect; correct answer is NaCl\n");
}

TEST(Answers, SolubilityVerdicts) {
  expectVerdict(solubilityAnswer("silver", "chloride", "yes"), false,
                "Incorrect; AgCl is insoluble\n");
  expectVerdict(solubilityAnswer("silver", "chloride", "No"), true,
                "Correct.\n");
  expectVerdict(solubilityAnswer("sodium", "nitrate", "y"), true, "Correct.\n");
  expectVerdict(solubilityAnswer("sodium", "nitrate", "Yikes, no"), true,
                "Correct.\n");
  expectVerdict(solubilityAnswer("sodium", "nitrate", ""), false,
                "Incorrect; NaNO3 is soluble\n");
  expectVerdict(solubilityAnswer("sodium", "nitrate", " yes"), false,
                "Incorrect; NaNO3 is soluble\n");
}

TEST(Answers, PairTheRulesCannotTellHasNoRightAnswer) {
  for (const char* input : {" ", "  y", "y", "n", ""}) {
    expectVerdict(solubilityAnswer("copper", "nitride", input), false,
                  "Incorrect; Cu3N2 is <an error occurred>\n");
  }
}

TEST(Answers, SolubleWordFoldsCase) {
  const std::vector<std::pair<char, std::string>> cases = {
      {'Y', "soluble"},
      {'y', "soluble"},
      {'N', "insoluble"},
      {'n', "insoluble"},
      {' ', "<an error occurred>"},
      {'x', "<an error occurred>"},
      {'\0', "<an error occurred>"}};
  for (const auto& [code, word] : cases) EXPECT_EQ(isSolubleWord(code), word);
}

TEST(Answers, VerdictsGoToStandardOutputByDefault) {
  testing::internal::CaptureStdout();
  const bool ionRight = named("sulphate").getResponse("SO42-");
  const bool compoundRight =
      getResponse(named("sodium"), named("chloride"), "nacl");
  const bool solubleRight =
      getSolResponse(named("silver"), named("chloride"), "yes");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Correct.\n"
            "Close; correct answer is NaCl\n"
            "Incorrect; AgCl is insoluble\n");
  EXPECT_TRUE(ionRight);
  EXPECT_FALSE(compoundRight);
  EXPECT_FALSE(solubleRight);
}

}  // namespace
