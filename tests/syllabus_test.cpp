// The types of the wider syllabus, halogen displacement, thermal
// decomposition and electrolysis, by their worked examples.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "reveal.h"

namespace {

// The worked examples of the types of the wider syllabus, as the drill
// reveals them with --formulas.
TEST(Compose, HalogensHeatingAndElectrolysis) {
  const auto of = [](unsigned type, const std::vector<std::string>& names,
                     std::vector<int> counts = {}) {
    Reaction r{type, {{}, std::move(counts)}};
    for (const std::string& name : names) {
      r.reactants.ions.push_back(named(name));
    }
    return DrillQuestion{r, compose(r)};
  };
  const std::vector<std::pair<DrillQuestion, std::string>> examples = {
      {of(9, {"chloride", "potassium", "bromide"}),
       "(halogen displacement)|bromine + potassium chloride|chlorine + "
       "bromide ions -> bromine + chloride ions|Cl2(aq) + 2KBr(aq) -> "
       "2KCl(aq) + Br2(aq)|Cl2(aq) + 2K+(aq) + 2Br-(aq) -> 2K+(aq) + "
       "2Cl-(aq) + Br2(aq)|Cl2(aq) + 2Br-(aq) -> 2Cl-(aq) + Br2(aq)"},
      {of(9, {"iodide", "sodium", "bromide"}),
       "(iodine is less reactive than bromine)|iodine solution + sodium "
       "bromide solution|NO REACTION|I2(aq) + NaBr(aq) -> no reaction"},
      {of(10, {"copper(II)", "carbonate"}),
       "(thermal decomposition)|copper(II) oxide + carbon dioxide|copper(II) "
       "carbonate -> copper(II) oxide + carbon dioxide|CuCO3(s) -> CuO(s) + "
       "CO2(g)"},
      {of(10, {"sodium", "bicarbonate"}),
       "(thermal decomposition)|sodium carbonate + water + carbon "
       "dioxide|sodium bicarbonate -> sodium carbonate + water + carbon "
       "dioxide|2NaHCO3(s) -> Na2CO3(s) + H2O(g) + CO2(g)"},
      {of(10, {"sodium", "carbonate"}),
       "(sodium carbonate does not decompose when heated in a Bunsen "
       "flame)|heating sodium carbonate|NO REACTION|Na2CO3(s) -> no reaction"},
      {of(11, {"lead(II)", "bromide"}, {1}),
       "(electrolysis)|lead metal at the cathode + bromine gas at the "
       "anode|at the cathode: lead(II) ions + electrons -> lead metal; at the "
       "anode: bromide ions -> bromine gas + electrons|Pb2+(l) + 2e- -> "
       "Pb(l)|2Br-(l) -> Br2(g) + 2e-"},
      {of(11, {"copper(II)", "sulfate"}, {0}),
       "(electrolysis)|copper metal at the cathode + oxygen gas at the "
       "anode|at the cathode: copper(II) ions + electrons -> copper metal; at "
       "the anode: hydroxide ions -> oxygen gas + water + electrons|Cu2+(aq) "
       "+ 2e- -> Cu(s)|4OH-(aq) -> O2(g) + 2H2O(l) + 4e-"},
      {of(11, {"sodium", "chloride"}, {0}),
       "(electrolysis)|hydrogen gas at the cathode + chlorine gas at the "
       "anode|at the cathode: hydrogen ions + electrons -> hydrogen gas; at "
       "the anode: chloride ions -> chlorine gas + electrons|2H+(aq) + 2e- -> "
       "H2(g)|2Cl-(aq) -> Cl2(g) + 2e-"},
  };
  for (const auto& [q, want] : examples) {
    // The answer's lines without their headings, joined by "|".
    std::string got;
    std::istringstream lines(revealedText(q, {true, false}));
    for (std::string line; std::getline(lines, line);) {
      const std::size_t text = line.find_first_not_of(' ');
      if (text == std::string::npos || line.back() == ':') continue;
      const std::size_t colon = line.find(":  ");
      got += (got.empty() ? "" : "|") +
             line.substr(colon == std::string::npos ? text : colon + 3);
    }
    EXPECT_EQ(got, want) << q.texts.question;
  }
}

}  // namespace
