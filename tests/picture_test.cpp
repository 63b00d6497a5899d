// The particle picture, what a class would see and the colours of solids,
// over every question each type can draw.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue.h"
#include "sight.h"

namespace {

// Whether `svg` is well-formed XML: each tag named, its attributes quoted
// and without '<', closed in order; no '&' or '>' in text but entities.
bool wellFormed(const std::string& svg) {
  std::vector<std::string> open;
  for (std::size_t at = svg.find('<'); at != std::string::npos;) {
    const std::size_t end = svg.find('>', at);
    if (end == std::string::npos) return false;
    std::string tag = svg.substr(at + 1, end - at - 1);
    const bool closing = tag[0] == '/';
    const bool empty = tag.back() == '/';
    std::istringstream words(tag.substr(closing ? 1 : 0));
    std::string name;
    words >> name;
    if (closing && (open.empty() || open.back() != name)) return false;
    if (closing) open.pop_back();
    if (!closing && !empty) open.push_back(name);
    for (std::size_t q = tag.find('='); q != std::string::npos;
         q = tag.find('=', tag.find('"', q + 2) + 1)) {
      if (tag[q + 1] != '"' || tag.find('"', q + 2) == std::string::npos)
        return false;
    }
    at = svg.find('<', end);
    const std::string text = svg.substr(end + 1, at - end - 1);
    if (text.find('>') != std::string::npos) return false;
  }
  return open.empty();
}

// A species as a beaker of the picture draws it.
struct Drawn {
  std::string formula;
  int charge = 0, count = 0, shapes = 0;
  bool spectator = false;
  std::string svg;
};

std::string attribute(const std::string& g, const std::string& name) {
  const std::size_t at = g.find(name + "=\"") + name.size() + 2;
  return g.substr(at, g.find('"', at) - at);
}

// The beaker of `side` without its glass, and its species.
std::string beaker(const std::string& svg, const std::string& side) {
  const std::size_t at = svg.find("data-side=\"" + side + "\"");
  const std::size_t from = svg.find('>', at) + 1;
  return svg.substr(from, svg.find("<path d=\"M0", from) - from);
}

std::vector<Drawn> drawnIn(const std::string& b) {
  std::vector<Drawn> all;
  const std::string start = "<g class=\"species";
  for (std::size_t at = b.find(start); at != std::string::npos;) {
    const std::size_t next = b.find(start, at + 1);
    const std::string g = b.substr(at, next - at);
    Drawn d{attribute(g, "data-formula"),
            std::stoi(attribute(g, "data-charge")),
            std::stoi(attribute(g, "data-count")),
            0,
            attribute(g, "data-spectator") == "1",
            g};
    for (std::size_t p = g.find("class=\"p\""); p != std::string::npos;
         p = g.find("class=\"p\"", p + 1)) {
      ++d.shapes;
    }
    all.push_back(d);
    at = next;
  }
  return all;
}

void expectSide(const std::vector<Drawn>& drawn, const std::vector<Term>& side,
                bool scaled) {
  std::map<std::string, int> counted;
  std::map<std::string, int> expected;
  for (const Drawn& d : drawn) {
    counted[d.formula + chargeText(d.charge)] += d.count;
    const bool water = d.formula == "H2O" && d.shapes == 0;
    EXPECT_TRUE(water || (scaled ? d.shapes >= 1 && d.shapes <= d.count
                                 : d.shapes == d.count))
        << d.svg;
  }
  for (const Term& t : side) {
    expected[t.formula + chargeText(t.charge)] += t.coefficient;
  }
  EXPECT_EQ(counted, expected);
}

std::vector<std::string> spectatorsIn(const std::vector<Drawn>& drawn) {
  std::vector<std::string> svgs;
  for (const Drawn& d : drawn) {
    if (d.spectator) svgs.push_back(d.svg);
  }
  return svgs;
}

void expectTruePicture(const Reaction& r) {
  const Equation complete = completeIonic(formulaEquations(r).formula);
  const std::string svg = reactionPicture(r);
  ASSERT_TRUE(wellFormed(svg)) << svg;
  EXPECT_NE(svg.find("role=\"img\""), std::string::npos);
  EXPECT_EQ(svg.find("aria-label=\"\""), std::string::npos);
  const bool scaled = svg.find("One shape stands for") != std::string::npos;
  const std::string before = beaker(svg, "before");
  const std::string after = beaker(svg, "after");
  expectSide(drawnIn(before), complete.reactants, scaled);
  // Spectators stand alike, in the same places, before and after.
  EXPECT_EQ(spectatorsIn(drawnIn(before)), spectatorsIn(drawnIn(after)));
  if (complete.noReaction) {
    EXPECT_EQ(before, after);
  } else {
    EXPECT_NE(before, after);
    expectSide(drawnIn(after), complete.products, scaled);
  }
}

}  // namespace

TEST(Picture, EveryQuestionDrawsItsCompleteIonicEquation) {
  for (unsigned type = 1; type <= reactionTypes; ++type) {
    reactionType(type).everyDraw([type](const Reactants& r) {
      expectTruePicture({type, r});
    });
  }
}

// Every solid any question names has its colour or is listed without one,
// and the table names no solid that no question does.
TEST(Picture, TheColourTableCoversEverySolid) {
  std::set<std::string> solids;
  for (unsigned type = 1; type <= reactionTypes; ++type) {
    reactionType(type).everyDraw([&](const Reactants& r) {
      const Equation e = formulaEquations({type, r}).formula;
      for (const auto* side : {&e.reactants, &e.products}) {
        for (const Term& t : *side) {
          if (t.state == State::solid) solids.insert(t.formula);
        }
      }
    });
  }
  for (const std::string& s : solids) {
    EXPECT_NE(solidColour(s) != nullptr, isListed(chemistry::noColourSaid, s))
        << s;
  }
  std::vector<std::string_view> tabled = wordsOf(chemistry::noColourSaid);
  for (const chemistry::SolidColour& row : chemistry::solidColours) {
    for (const std::string_view f : wordsOf(row.formulas)) tabled.push_back(f);
  }
  for (const std::string_view f : tabled) {
    EXPECT_EQ(solids.count(std::string(f)), 1U) << f;
  }
}

// The last reason of each, and the words of one picture.
TEST(Picture, WhatAClassWouldSee) {
  const struct {
    Reaction reaction;
    std::string seen;
  } rows[] = {
      {{6,
        {{named("copper(II)"), named("sulfate"), named("sodium"),
          named("hydroxide")},
         {}}},
       "a blue precipitate of copper(II) hydroxide"},
      {{6,
        {{named("cobalt"), named("chloride"), named("sodium"),
          named("hydroxide")},
         {}}},
       "a precipitate of cobalt(II) hydroxide"},
      {{3, {{named("chloride"), named("zinc")}, {}}},
       "fizzing; the gas is hydrogen"},
      {{7, {{named("zinc"), named("copper(II)"), named("sulfate")}, {}}},
       "a coating of copper on the zinc"},
      {{2, {{named("chloride"), named("zinc"), named("carbonate")}, {}}},
       "fizzing; the gas is carbon dioxide; the white zinc carbonate "
       "dissolves"},
      {{1, {{named("iodide"), named("mercury"), named("oxide")}, {}}},
       "an orange-red precipitate of mercury(II) iodide"},
      {{1, {{named("chloride"), named("sodium"), named("hydroxide")}, {}}},
       "no visible change"},
      {{5, {{named("sodium"), named("chloride")}, {}}},
       "a white solid, sodium chloride"},
      {burning("CH4"),
       "a flame; the gases given off are carbon dioxide and water vapour"},
      {{3, {{named("chloride"), named("copper")}, {}}}, "no change"},
      {{9, {{named("chloride"), named("potassium"), named("bromide")}, {}}},
       "the solution turns orange as bromine forms"},
      {{10, {{named("copper(II)"), named("carbonate")}, {}}},
       "the gas given off is carbon dioxide; the green copper(II) carbonate "
       "turns into a black solid, copper(II) oxide"},
      {{11, {{named("copper(II)"), named("chloride")}, {0}}},
       "a coating of copper on the cathode; bubbles of chlorine at the anode"},
      {{11, {{named("potassium"), named("iodide")}, {0}}},
       "bubbles of hydrogen at the cathode; the solution turns brown at the "
       "anode as iodine forms"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(reasons(row.reaction).back(), "You would see: " + row.seen + ".");
  }
  const std::string svg = reactionPicture(
      {6,
       {{named("silver"), named("nitrate"), named("sodium"), named("chloride")},
        {}}});
  EXPECT_NE(svg.find("aria-label=\"Before: 1 silver ion, 1 nitrate ion, 1 "
                     "sodium ion, 1 chloride ion in water. After: solid silver "
                     "chloride, white; nitrate and sodium ions unchanged "
                     "(spectators).\""),
            std::string::npos);
}
