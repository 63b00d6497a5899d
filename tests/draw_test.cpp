// What each reaction type can and cannot draw, over many seeded questions,
// against the sets of reactants its own rules enumerate.
#include <gtest/gtest.h>

#include <cctype>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "elements.h"
#include "question.h"
#include "reaction_types.h"

namespace {

constexpr int draws = 4000;

using Names = std::set<std::string>;

std::vector<Reaction> drawMany(unsigned type) {
  seedChance(2024);
  std::vector<Reaction> all;
  all.reserve(draws);
  for (int k = 0; k < draws; ++k) all.push_back(drawReaction(type));
  return all;
}

// The reactants as one text: the ions' names and the counts.
std::string key(const Reactants& r) {
  std::string k;
  for (const Ion& i : r.ions) k += i.name + " ";
  for (int c : r.counts) k += std::to_string(c) + " ";
  return k;
}

const Names rankedMetals = {"potassium", "sodium",    "lithium", "calcium",
                            "magnesium", "aluminium", "zinc",    "iron",
                            "copper",    "mercury",   "silver",  "gold"};
// No oxide, nitride or phosphide dissolves.
const Names anions = {"bromide",   "iodide",    "fluoride",   "sulfide",
                      "chloride",  "nitrate",   "phosphate",  "sulfate",
                      "hydroxide", "carbonate", "bicarbonate"};

Names without(Names all, const Names& left) {
  for (const std::string& name : left) all.erase(name);
  return all;
}

// Every type draws exactly the reactants its rules enumerate: each drawn set
// is one of them, and each role takes every ion that the rules allow it.
TEST(Draw, EachTypeDrawsWhatItsRulesAllow) {
  const Names acids = {"bromide", "iodide",    "fluoride", "chloride",
                       "nitrate", "phosphate", "sulfate",  "carbonate"};
  Names freeMetals = without(rankedMetals, {"gold"});
  freeMetals.insert({"barium", "manganese", "cobalt", "nickel", "cadmium",
                     "chromium", "beryllium"});
  const struct {
    unsigned type;
    std::vector<Names> roles;  // the names each position takes
    std::size_t cations;       // how many where a role is empty: copper(III)
                               // and gold never, carbonates never of a 3+
                               // ion, beryllium or mercury
  } rules[] = {
      {1, {acids, {}, {"hydroxide", "oxide"}}, 24},
      {2,
       {without(acids, {"carbonate"}), {}, {"carbonate", "bicarbonate"}},
       19},
      {3, {without(acids, {"nitrate"}), rankedMetals}, 0},
      {4,
       {{"potassium", "sodium", "lithium", "calcium", "magnesium", "aluminium",
         "zinc"}},
       0},
      {5,
       {freeMetals,
        {"iodide", "bromide", "nitride", "oxide", "fluoride", "phosphide",
         "sulfide", "chloride"}},
       0},
      {6, {{}, anions, {}, anions}, 25},
      {7,
       {without(rankedMetals, {"potassium", "sodium", "lithium", "calcium"}),
        rankedMetals, anions},
       0},
  };
  for (const auto& rule : rules) {
    std::set<std::string> allowed;
    reactionType(rule.type).everyDraw(
        [&](const Reactants& r) { allowed.insert(key(r)); });
    std::vector<Names> seen(rule.roles.size());
    for (const Reaction& r : drawMany(rule.type)) {
      ASSERT_EQ(allowed.count(key(r.reactants)), 1U) << key(r.reactants);
      for (std::size_t k = 0; k < seen.size(); ++k) {
        seen[k].insert(r.reactants.ions[k].name);
      }
    }
    for (std::size_t k = 0; k < seen.size(); ++k) {
      if (rule.roles[k].empty()) {
        EXPECT_EQ(seen[k].size(), rule.cations) << rule.type << " " << k;
      } else {
        EXPECT_EQ(seen[k], rule.roles[k]) << rule.type << " " << k;
      }
    }
  }
}

TEST(Draw, SolutionsShareNoIonAndMetalsDiffer) {
  for (const Reaction& r : drawMany(6)) {
    const std::vector<Ion>& i = r.reactants.ions;
    ASSERT_EQ(isSolubleChar(i[0], i[1]), 'Y');
    ASSERT_EQ(isSolubleChar(i[2], i[3]), 'Y');
    ASSERT_NE(i[0].formula, i[2].formula);
    ASSERT_NE(i[1].formula, i[3].formula);
    const std::string answer = compose(r).ionic;
    ASSERT_EQ(answer.find("bicarbonate", answer.find(" -> ")),
              std::string::npos)
        << "a bicarbonate never precipitates: " << answer;
  }
  for (const Reaction& r : drawMany(7)) {
    const std::vector<Ion>& i = r.reactants.ions;
    ASSERT_NE(i[0].formula, i[1].formula);
    ASSERT_EQ(isSolubleChar(i[1], i[2]), 'Y') << i[1].name << " " << i[2].name;
  }
}

// The metal at the end of a question such as "nitric acid + silver metal".
std::string lastMetal(const std::string& q) {
  const std::size_t end = q.rfind(" metal");
  return q.substr(q.rfind(' ', end - 1) + 1, end - q.rfind(' ', end - 1) - 1);
}

TEST(Draw, OnlyTheUnreactiveMetalsGiveNoReaction) {
  seedChance(99);
  const Names idleInAcid = {"copper", "mercury", "silver", "gold"};
  const Names idleInWater = {"magnesium", "aluminium", "zinc"};
  for (int k = 0; k < draws; ++k) {
    makeQuestion(3);
    ASSERT_EQ(ionic == "NO REACTION",
              idleInAcid.count(lastMetal(question)) == 1)
        << question;
    makeQuestion(4);
    ASSERT_EQ(ionic == "NO REACTION",
              idleInWater.count(lastMetal(question)) == 1)
        << question;
  }
}

// Coefficients a fuel + b O2 -> c CO2 + d H2O read back from the answer.
std::vector<int> coefficients(const std::string& equation) {
  std::vector<int> found;
  std::size_t at = 0;
  while (at < equation.size()) {
    const bool written = std::isdigit(equation[at]) != 0;
    found.push_back(written ? std::atoi(&equation[at]) : 1);
    at = equation.find_first_of("+>", at);
    if (at == std::string::npos) break;
    at += 2;
  }
  return found;
}

// The atoms of `element` in a fuel's formula such as "C2H6O".
int atoms(const std::string& formula, char element) {
  const std::size_t at = formula.find(element);
  if (at == std::string::npos) return 0;
  return std::isdigit(formula[at + 1]) != 0 ? std::atoi(&formula[at + 1]) : 1;
}

TEST(Draw, CombustionBalancesInLowestTerms) {
  std::set<std::string> fuels;
  for (const Reaction& r : drawMany(8)) {
    const QuestionTexts t = compose(r);
    const std::string fuel = t.question.substr(8, t.question.find(' ', 8) - 8);
    const int c = atoms(fuel, 'C');
    const int h = atoms(fuel, 'H');
    const int o = atoms(fuel, 'O');
    fuels.insert(fuel);
    const std::vector<int> k = coefficients(t.ionic);
    ASSERT_EQ(k.size(), 4U) << t.ionic;
    EXPECT_EQ(k[0] * c, k[2]) << t.ionic;
    EXPECT_EQ(k[0] * h, 2 * k[3]) << t.ionic;
    EXPECT_EQ(k[0] * o + 2 * k[1], 2 * k[2] + k[3]) << t.ionic;
    EXPECT_EQ(std::gcd(std::gcd(k[0], k[1]), std::gcd(k[2], k[3])), 1)
        << t.ionic;
  }
  // Every fuel of the table, each its own formula.
  std::size_t rows = 0;
  reactionType(8).everyDraw([&rows](const Reactants& /*r*/) { ++rows; });
  EXPECT_EQ(fuels.size(), rows);
}

TEST(Draw, OnlyTheNonmetalDrawSetsTheNonmetal) {
  seedChance(5);
  makeQuestion(5);
  EXPECT_NE(question.find(nonmetal), std::string::npos);
  const std::string element(nonmetal);
  for (unsigned q = 1; q <= reactionTypes; ++q) {
    if (q != 5) makeQuestion(q);
    EXPECT_EQ(nonmetal, element);
  }
}

}  // namespace
