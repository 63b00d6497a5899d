// What each reaction type can and cannot draw, over many seeded questions.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "catalogue.h"
#include "elements.h"
#include "question.h"
#include "reactions.h"

namespace {

constexpr int draws = 4000;

template <typename Draw>
auto drawMany(Draw draw) {
  initIons();
  seedChance(2024);
  std::vector<decltype(draw())> all;
  all.reserve(draws);
  for (int k = 0; k < draws; ++k) all.push_back(draw());
  return all;
}

template <typename Record>
std::set<std::string> names(const std::vector<Record>& all,
                            Ion Record::*field) {
  std::set<std::string> seen;
  for (const Record& r : all) seen.insert((r.*field).name);
  return seen;
}

const std::set<std::string> rankedMetals = {
    "potassium", "sodium", "lithium", "magnesium", "aluminium", "zinc",
    "iron",      "copper", "mercury", "silver",    "gold"};

TEST(Draw, AcidsMeetBasesAndCarbonates) {
  const std::set<std::string> acids = {"bromide",  "iodide",   "fluoride",
                                       "chloride", "nitrate",  "phosphate",
                                       "sulphate", "carbonate"};
  const auto bases = drawMany(drawAcidBase);
  EXPECT_EQ(names(bases, &AcidBase::an), acids);
  EXPECT_EQ(names(bases, &AcidBase::rp).size(), 25U);
  EXPECT_EQ(names(bases, &AcidBase::rn),
            (std::set<std::string>{"hydroxide", "oxide"}));

  const auto carbonates = drawMany(drawAcidCarbonate);
  EXPECT_EQ(names(carbonates, &AcidCarbonate::an), acids);
  EXPECT_EQ(names(carbonates, &AcidCarbonate::rp).size(), 25U);
  EXPECT_EQ(names(carbonates, &AcidCarbonate::rn),
            (std::set<std::string>{"carbonate", "bicarbonate"}));
}

TEST(Draw, MetalsComeFromTheSeriesTheTypeNeeds) {
  EXPECT_EQ(names(drawMany(drawAcidMetal), &AcidMetal::rp), rankedMetals);
  EXPECT_EQ(names(drawMany(drawWaterMetal), &WaterMetal::rp),
            (std::set<std::string>{"potassium", "sodium", "lithium",
                                   "magnesium", "aluminium", "zinc"}));
  const auto displacements = drawMany(drawDisplacement);
  EXPECT_EQ(names(displacements, &Displacement::rp), rankedMetals);
  EXPECT_EQ(names(displacements, &Displacement::ep), rankedMetals);
}

TEST(Draw, MetalMeetsNonmetalInItsUsualState) {
  const std::map<std::string, std::string> elements = {
      {"iodide", "iodine solid"},   {"bromide", "bromine liquid"},
      {"nitride", "nitrogen gas"},  {"oxide", "oxygen gas"},
      {"fluoride", "fluorine gas"}, {"phosphide", "phosphorus solid"},
      {"sulfide", "sulfur solid"},  {"chloride", "chlorine gas"}};
  const auto all = drawMany(drawMetalNonmetal);
  std::set<std::string> metals = rankedMetals;
  metals.insert({"barium", "manganese", "cobalt", "nickel", "cadmium",
                 "chromium", "beryllium"});
  EXPECT_EQ(names(all, &MetalNonmetal::rp), metals);
  EXPECT_EQ(names(all, &MetalNonmetal::rn).size(), elements.size());
  for (const MetalNonmetal& r : all) {
    ASSERT_EQ(r.element, elements.at(r.rn.name));
  }
  EXPECT_EQ(nonmetal, all.back().element);
}

TEST(Draw, DisplacementPairsDifferentMetalsWithADissolvedSalt) {
  std::set<std::string> anions;
  for (const Displacement& r : drawMany(drawDisplacement)) {
    ASSERT_NE(r.rp.formula, r.ep.formula);
    ASSERT_NE(isSolubleChar(r.ep, r.en), 'N') << r.ep.name << " " << r.en.name;
    anions.insert(r.en.name);
  }
  EXPECT_EQ(anions.size(), 14U);
}

TEST(Draw, PrecipitationMixesTwoSolutionsWithNoIonInCommon) {
  bool blankSaltSeen = false;
  std::set<std::string> anions;
  for (const Precipitation& r : drawMany(drawPrecipitation)) {
    ASSERT_NE(isSolubleChar(r.ap, r.an), 'N');
    ASSERT_NE(isSolubleChar(r.bp, r.bn), 'N');
    ASSERT_NE(r.ap.formula, r.bp.formula);
    ASSERT_NE(r.an.formula, r.bn.formula);
    blankSaltSeen |= isSolubleChar(r.ap, r.an) == ' ';
    const std::string answer = compose(r).ionic;
    ASSERT_EQ(answer.find("bicarbonate", answer.find(" -> ")),
              std::string::npos)
        << "a bicarbonate never precipitates: " << answer;
    anions.insert(r.an.name);
    anions.insert(r.bn.name);
  }
  EXPECT_TRUE(blankSaltSeen);
  EXPECT_EQ(anions.size(), 14U);
}

// The metal at the end of a question such as "nitric acid + silver metal".
std::string lastMetal(const std::string& q) {
  const std::size_t end = q.rfind(" metal");
  return q.substr(q.rfind(' ', end - 1) + 1, end - q.rfind(' ', end - 1) - 1);
}

TEST(Draw, OnlyTheUnreactiveMetalsGiveNoReaction) {
  initIons();
  seedChance(99);
  const std::set<std::string> idleInAcid = {"copper", "mercury", "silver",
                                            "gold"};
  const std::set<std::string> idleInWater = {"magnesium", "aluminium", "zinc"};
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

TEST(Draw, CombustionBalancesInLowestTerms) {
  std::set<std::string> fuels;
  for (const Fuel& f : drawMany(drawFuel)) {
    ASSERT_TRUE(f.numc >= 1 && f.numc <= 6);
    ASSERT_TRUE(f.numo >= 0 && f.numo < f.numc);
    ASSERT_TRUE(f.numh >= 2 && f.numh <= 2 * f.numc - f.numo + 1);
    const QuestionTexts t = compose(f);
    fuels.insert(t.question);
    const std::vector<int> k = coefficients(t.ionic);
    ASSERT_EQ(k.size(), 4U) << t.ionic;
    EXPECT_EQ(k[0] * f.numc, k[2]) << t.ionic;
    EXPECT_EQ(k[0] * f.numh, 2 * k[3]) << t.ionic;
    EXPECT_EQ(k[0] * f.numo + 2 * k[1], 2 * k[2] + k[3]) << t.ionic;
    EXPECT_EQ(std::gcd(std::gcd(k[0], k[1]), std::gcd(k[2], k[3])), 1)
        << t.ionic;
  }
  EXPECT_EQ(fuels.size(), 147U);
}

TEST(Draw, OtherTypesLeaveTheNonmetalAlone) {
  initIons();
  makeQuestion(5);
  const std::string element = nonmetal;
  for (unsigned q : {1U, 2U, 3U, 4U, 6U, 7U, 8U}) {
    makeQuestion(q);
    EXPECT_EQ(nonmetal, element);
  }
}

}  // namespace
