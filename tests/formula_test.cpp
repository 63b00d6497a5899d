// The ion model: formula writing and the marking of typed answers.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue.h"
#include "ion.h"

namespace {

// --- Formula writing
// -------------------------------------------------------------

TEST(Formula, IonsWithTheirCharge) {
  const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
      {"bromide", "Br-", "-"},       {"sodium", "Na+", "+"},
      {"barium", "Ba2+", "2+"},      {"iron(III)", "Fe3+", "3+"},
      {"nitride", "N3-", "3-"},      {"sulfate", "SO42-", "2-"},
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
      {"aluminium", "sulfate", "Al2(SO4)3"},
      {"ammonium", "sulfate", "(NH4)2SO4"},
      {"ammonium", "phosphate", "(NH4)3PO4"},
      {"magnesium", "hydroxide", "Mg(OH)2"},
      {"lead(II)", "nitrate", "Pb(NO3)2"},
      {"iron(III)", "oxide", "Fe2O3"},
      {"aluminium", "phosphate", "AlPO4"},
      {"potassium", "oxide", "K2O"},
      {"ammonium", "nitrate", "NH4NO3"},
      {"sodium", "nitrate", "NaNO3"},
      {"barium", "sulfate", "BaSO4"},
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

struct Marked {
  bool right;
  std::string line;
};

Marked ionAnswer(const std::string& name, const std::string& input) {
  std::ostringstream out;
  const bool right = named(name).getResponse(input, out);
  return {right, out.str()};
}

Marked compoundAnswer(const std::string& cation, const std::string& anion,
                      const std::string& input) {
  std::ostringstream out;
  const bool right = getResponse(named(cation), named(anion), input, out);
  return {right, out.str()};
}

Marked solubilityAnswer(const std::string& cation, const std::string& anion,
                        const std::string& input) {
  std::ostringstream out;
  const bool right = getSolResponse(named(cation), named(anion), input, out);
  return {right, out.str()};
}

void expectVerdict(const Marked& actual, bool right, const std::string& line) {
  EXPECT_EQ(actual.right, right) << line;
  EXPECT_EQ(actual.line, line);
}

TEST(Answers, FormulaVerdicts) {
  expectVerdict(ionAnswer("sulfate", "SO42-"), true, "Correct.\n");
  expectVerdict(ionAnswer("sulfate", "SO4"), false,
                "Incorrect; correct answer is SO42-\n");
  expectVerdict(ionAnswer("sulfate", "so42-"), false,
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
  const Ion unknown("unknownide", "Xx", true, 1, false, "");
  for (const char* input : {" ", "  y", "y", "n", ""}) {
    std::ostringstream out;
    EXPECT_FALSE(getSolResponse(named("copper"), unknown, input, out));
    EXPECT_EQ(out.str(), "Incorrect; CuXx2 is <an error occurred>\n");
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
  const bool ionRight = named("sulfate").getResponse("SO42-");
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
