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
       {{"sulfate", "barium", "oxide"},
        {"sulfuric acid + barium oxide", caption, "barium sulfate + water",
         "hydrogen ions + sulfate ions + barium oxide -> barium sulfate + "
         "water"}},
       {{"chloride", "silver", "oxide"},
        {"hydrochloric acid + silver oxide", caption, "silver chloride + water",
         "hydrogen ions + chloride ions + silver oxide -> silver chloride + "
         "water"}},
       {{"chloride", "ammonium", "hydroxide"},
        {"hydrochloric acid + ammonium hydroxide", caption,
         "ammonium chloride + water",
         "hydrogen ions + ammonium hydroxide -> ammonium ions + water"}}});
}

TEST(Compose, AcidCarbonate) {
  const std::string caption =
      "acid + carbonate -> salt + water + carbon dioxide gas";
  expectExamples(
      2, {{{"chloride", "sodium", "carbonate"},
           {"hydrochloric acid + sodium carbonate", caption,
            "sodium chloride + water + carbon dioxide",
            "hydrogen ions + carbonate ions -> water + carbon dioxide"}},
          {{"nitrate", "zinc", "carbonate"},
           {"nitric acid + zinc carbonate", caption,
            "zinc nitrate + water + carbon dioxide",
            "hydrogen ions + zinc carbonate -> zinc ions + water + carbon "
            "dioxide"}},
          {{"sulfate", "barium", "carbonate"},
           {"sulfuric acid + barium carbonate", caption,
            "barium sulfate + water + carbon dioxide",
            "hydrogen ions + sulfate ions + barium carbonate -> barium sulfate "
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
          {{"sulfate", "copper"},
           {"sulfuric acid + copper metal",
            "copper is not reactive enough to react with acid",
            "sulfuric acid + copper metal", "NO REACTION"}}});
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
        {"water + zinc metal", "zinc reacts only with steam",
         "water + zinc metal", "NO REACTION"}},
       {{"magnesium"},
        {"water + magnesium metal",
         "magnesium reacts only very slowly with cold water",
         "water + magnesium metal", "NO REACTION"}},
       {{"aluminium"},
        {"water + aluminium metal",
         "aluminium does not react with water: a layer of oxide protects it",
         "water + aluminium metal", "NO REACTION"}}});
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
          {{"iron", "oxide"},
           {"iron metal + oxygen gas", caption, "iron(III) oxide",
            "iron metal + oxygen gas -> iron(III) oxide"}},
          {{"copper", "chloride"},
           {"copper metal + chlorine gas", caption, "copper(II) chloride",
            "copper metal + chlorine gas -> copper(II) chloride"}}});
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
       {{"barium", "chloride", "silver", "sulfate"},
        {"barium chloride solution + silver sulfate solution", caption,
         "barium sulfate + silver chloride",
         "barium ions + chloride ions + silver ions + sulfate ions -> barium "
         "sulfate + silver chloride"}},
       {{"ammonium", "sulfate", "barium", "chloride"},
        {"ammonium sulfate solution + barium chloride solution", caption,
         "ammonium chloride + barium sulfate",
         "sulfate ions + barium ions -> barium sulfate"}},
       // Ammonium hydroxide is a weak base: it stays whole.
       {{"iron(II)", "chloride", "ammonium", "hydroxide"},
        {"iron(II) chloride solution + ammonium hydroxide solution", caption,
         "iron(II) hydroxide + ammonium chloride",
         "iron(II) ions + ammonium hydroxide -> iron(II) hydroxide + "
         "ammonium ions"}}});
}

TEST(Compose, Displacement) {
  const std::string caption = "single displacement reaction";
  expectExamples(
      7, {{{"zinc", "copper", "sulfate"},
           {"zinc metal + copper(II) sulfate solution", caption,
            "copper metal + zinc sulfate",
            "zinc metal + copper(II) ions -> copper metal + zinc ions"}},
          {{"silver", "gold", "chloride"},
           {"silver metal + gold(III) chloride solution", caption,
            "gold metal + silver chloride",
            "silver metal + gold(III) ions + chloride ions -> gold metal + "
            "silver chloride"}},
          {{"copper", "zinc", "nitrate"},
           {"copper metal + zinc nitrate solution",
            "copper is not reactive enough to displace zinc",
            "copper metal + zinc nitrate solution", "NO REACTION"}}});
}

TEST(Compose, Combustion) {
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"burning CH4 gas in air", "CH4 + 2O2 -> CO2 + 2H2O"},
      {"burning C2H2 gas in air", "2C2H2 + 5O2 -> 4CO2 + 2H2O"},
      {"burning C8H18 liquid in air", "2C8H18 + 25O2 -> 16CO2 + 18H2O"},
      {"burning C2H6O liquid in air", "C2H6O + 3O2 -> 2CO2 + 3H2O"},
      {"burning C3H6O liquid in air", "C3H6O + 4O2 -> 3CO2 + 3H2O"},
      {"burning C6H12O6 solid in air", "C6H12O6 + 6O2 -> 6CO2 + 6H2O"},
      {"burning C12H22O11 solid in air", "C12H22O11 + 12O2 -> 12CO2 + 11H2O"},
  };
  for (const auto& [asked, answer] : rows) {
    const std::string formula = asked.substr(8, asked.find(' ', 8) - 8);
    expectTexts(compose(burning(formula)),
                {asked, "combustion in air -> combine with oxygen",
                 "carbon dioxide + water", answer});
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
