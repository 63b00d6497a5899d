// The worked examples of every reaction type, word for word.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue.h"
#include "question.h"
#include "reaction_types.h"

namespace {

using Names = std::vector<std::string>;

struct Example {
  Names ions;          // the reactants. names, in the order the type lists them
  QuestionTexts want;  // question, qtype, products, ionic
};

void expectTexts(const QuestionTexts& got, const QuestionTexts& want) {
  EXPECT_EQ(got.question, want.question);
  EXPECT_EQ(got.qtype, want.qtype) << want.question;
  EXPECT_EQ(got.products, want.products) << want.question;
  EXPECT_EQ(got.ionic, want.ionic) << want.question;
}

// The worked examples of reaction type `type`.
void expectExamples(unsigned type, const std::vector<Example>& examples) {
  for (const Example& e : examples) {
    Reaction r{type, {}};
    for (const std::string& name : e.ions)
      r.reactants.ions.push_back(named(name));
    expectTexts(compose(r), e.want);
  }
}

TEST(Compose, AcidBase) {
  const std::string caption = "acid + base -> salt + water";
  expectExamples(
      1,
      {{{"chloride", "sodium", "hydroxide"},
        {"hydrochloric acid + sodium hydroxide", caption,
         "sodium chloride + water", "hydrogen ions + hydroxide ions -> water"}},
       {{"nitrate", "copper(II)", "hydroxide"},
        {"nitric acid + copper(II) hydroxide", caption,
         "copper(II) nitrate + water",
         "hydrogen ions + copper(II) hydroxide -> copper(II) ions + water"}},
       {{"sulphate", "barium", "oxide"},
        {"sulphuric acid + barium oxide", caption, "barium sulphate + water",
         "hydrogen ions + sulphate ions + barium oxide -> barium sulphate + "
         "water"}},
       {{"chloride", "silver", "oxide"},
        {"hydrochloric acid + silver oxide", caption, "silver chloride + water",
         "hydrogen ions + chloride ions + silver oxide -> silver chloride + "
         "water"}}});
}

TEST(Compose, AcidCarbonate) {
  const std::string caption =
      "acid + carbonate -> salt + water + carbon dioxide gas";
  expectExamples(
      2,
      {{{"chloride", "sodium", "carbonate"},
        {"hydrochloric acid + sodium carbonate", caption,
         "sodium chloride + water + carbon dioxide",
         "hydrogen ions + carbonate ions -> water + carbon dioxide"}},
       {{"nitrate", "zinc", "carbonate"},
        {"nitric acid + zinc carbonate", caption,
         "zinc nitrate + water + carbon dioxide",
         "hydrogen ions + zinc carbonate -> zinc ions + water + carbon "
         "dioxide"}},
       {{"sulphate", "barium", "carbonate"},
        {"sulphuric acid + barium carbonate", caption,
         "barium sulphate + water + carbon dioxide",
         "hydrogen ions + sulphate ions + barium carbonate -> barium sulphate "
         "+ water + carbon dioxide"}},
       // Every bicarbonate dissolves, so its cation is a spectator; with
       // silver the acid's chloride takes the cation out instead.
       {{"chloride", "magnesium", "bicarbonate"},
        {"hydrochloric acid + magnesium bicarbonate", caption,
         "magnesium chloride + water + carbon dioxide",
         "hydrogen ions + bicarbonate ions -> water + carbon dioxide"}},
       {{"chloride", "silver", "bicarbonate"},
        {"hydrochloric acid + silver bicarbonate", caption,
         "silver chloride + water + carbon dioxide",
         "hydrogen ions + chloride ions + silver ions + bicarbonate ions -> "
         "silver chloride + water + carbon dioxide"}}});
}

TEST(Compose, AcidMetal) {
  const std::string caption = "acid + reactive metal -> hydrogen gas + salt";
  expectExamples(
      3, {{{"chloride", "zinc"},
           {"hydrochloric acid + zinc metal", caption,
            "hydrogen gas + zinc chloride",
            "hydrogen ions + zinc metal -> hydrogen gas + zinc ions"}},
          {{"phosphate", "magnesium"},
           {"phosphoric acid + magnesium metal", caption,
            "hydrogen gas + magnesium phosphate",
            "phosphoric acid + magnesium metal -> hydrogen gas + magnesium "
            "phosphate"}},
          {{"nitrate", "silver"},
           {"nitric acid + silver metal",
            "silver is not reactive enough to react with acid",
            "nitric acid + silver metal", "NO REACTION"}},
          {{"sulphate", "copper"},
           {"sulphuric acid + copper metal",
            "copper is not reactive enough to react with acid",
            "sulphuric acid + copper metal", "NO REACTION"}}});
}

TEST(Compose, WaterMetal) {
  const std::string caption =
      "water + reactive metal -> hydrogen gas + metal hydroxide";
  expectExamples(
      4,
      {{{"sodium"},
        {"water + sodium metal", caption, "hydrogen gas + sodium hydroxide",
         "water + sodium metal -> hydrogen gas + sodium ions + hydroxide "
         "ions"}},
       {{"lithium"},
        {"water + lithium metal", caption, "hydrogen gas + lithium hydroxide",
         "water + lithium metal -> hydrogen gas + lithium ions + hydroxide "
         "ions"}},
       {{"zinc"},
        {"water + zinc metal",
         "zinc is not reactive enough to react with water",
         "water + zinc metal", "NO REACTION"}},
       {{"magnesium"},
        {"water + magnesium metal",
         "magnesium is not reactive enough to react with water",
         "water + magnesium metal", "NO REACTION"}}});
}

TEST(Compose, MetalNonmetal) {
  const std::string caption = "metal + nonmetal -> salt";
  expectExamples(
      5, {{{"sodium", "chloride"},
           {"sodium metal + chlorine gas", caption, "sodium chloride",
            "sodium metal + chlorine gas -> sodium chloride"}},
          {{"aluminium", "oxide"},
           {"aluminium metal + oxygen gas", caption, "aluminium oxide",
            "aluminium metal + oxygen gas -> aluminium oxide"}},
          {{"potassium", "bromide"},
           {"potassium metal + bromine liquid", caption, "potassium bromide",
            "potassium metal + bromine liquid -> potassium bromide"}},
          {{"gold", "sulfide"},
           {"gold metal + sulfur solid", caption, "gold sulfide",
            "gold metal + sulfur solid -> gold sulfide"}}});
}

TEST(Compose, Precipitation) {
  const std::string caption = "precipitation reaction";
  expectExamples(
      6,
      {{{"sodium", "chloride", "barium", "nitrate"},
        {"sodium chloride solution + barium nitrate solution",
         "salt + salt with no precipitate", "sodium nitrate + barium chloride",
         "NO REACTION (all spectator ions)"}},
       {{"sodium", "chloride", "silver", "nitrate"},
        {"sodium chloride solution + silver nitrate solution", caption,
         "sodium nitrate + silver chloride",
         "chloride ions + silver ions -> silver chloride"}},
       {{"silver", "nitrate", "sodium", "chloride"},
        {"silver nitrate solution + sodium chloride solution", caption,
         "silver chloride + sodium nitrate",
         "silver ions + chloride ions -> silver chloride"}},
       {{"barium", "chloride", "silver", "sulphate"},
        {"barium chloride solution + silver sulphate solution", caption,
         "barium sulphate + silver chloride",
         "barium ions + chloride ions + silver ions + sulphate ions -> barium "
         "sulphate + silver chloride"}},
       {{"ammonium", "sulphate", "barium", "chloride"},
        {"ammonium sulphate solution + barium chloride solution", caption,
         "ammonium chloride + barium sulphate",
         "sulphate ions + barium ions -> barium sulphate"}}});
}

TEST(Compose, Displacement) {
  const std::string caption = "single displacement reaction";
  expectExamples(
      7, {{{"zinc", "copper", "sulphate"},
           {"zinc metal + copper sulphate solution", caption,
            "copper metal + zinc sulphate",
            "zinc metal + copper ions -> copper metal + zinc ions"}},
          {{"silver", "gold", "chloride"},
           {"silver metal + gold chloride solution", caption,
            "gold metal + silver chloride",
            "silver metal + gold ions + chloride ions -> gold metal + silver "
            "chloride"}},
          {{"copper", "zinc", "nitrate"},
           {"copper metal + zinc nitrate solution",
            "copper is not reactive enough to displace zinc",
            "copper metal + zinc nitrate solution", "NO REACTION"}}});
}

TEST(Compose, Combustion) {
  struct Row {
    std::vector<int> counts;
    std::string question;
    std::string ionic;
  };
  const std::vector<Row> rows = {
      {{1, 0, 2}, "burning CH2 gas in air", "2CH2 + 3O2 -> 2CO2 + 2H2O"},
      {{1, 0, 3}, "burning CH3 gas in air", "4CH3 + 7O2 -> 4CO2 + 6H2O"},
      {{2, 0, 4}, "burning C2H4 gas in air", "C2H4 + 3O2 -> 2CO2 + 2H2O"},
      {{2, 1, 2}, "burning C2H2O liquid in air", "C2H2O + 2O2 -> 2CO2 + H2O"},
      {{2, 1, 4}, "burning C2H4O liquid in air", "2C2H4O + 5O2 -> 4CO2 + 4H2O"},
      {{5, 0, 10},
       "burning C5H10 liquid in air",
       "2C5H10 + 15O2 -> 10CO2 + 10H2O"},
      {{6, 0, 13},
       "burning C6H13 liquid in air",
       "4C6H13 + 37O2 -> 24CO2 + 26H2O"},
      {{6, 5, 8},
       "burning C6H8O5 solid in air",
       "2C6H8O5 + 11O2 -> 12CO2 + 8H2O"},
      {{4, 0, 9}, "burning C4H9 gas in air", "4C4H9 + 25O2 -> 16CO2 + 18H2O"},
      {{5, 4, 2},
       "burning C5H2O4 solid in air",
       "2C5H2O4 + 7O2 -> 10CO2 + 2H2O"},
      {{5, 3, 6},
       "burning C5H6O3 liquid in air",
       "C5H6O3 + 5O2 -> 5CO2 + 3H2O"},
  };
  for (const Row& r : rows) {
    expectTexts(compose(Reaction{8, {{}, r.counts}}),
                {r.question, "combustion in air -> combine with oxygen",
                 "carbon dioxide + water", r.ionic});
  }
}

TEST(MakeQuestion, TypeOutsideTheTableIsAnError) {
  seedChance(8);
  for (unsigned q : {0U, reactionTypes + 1, 4294967295U}) {
    makeQuestion(reactionTypes);
    makeQuestion(q);
    expectTexts({question, qtype, products, ionic},
                {"<an error occurred>", "<an error occurred>",
                 "<an error occurred>", ""});
  }
}

}  // namespace
