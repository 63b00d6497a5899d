// The activity series: which metal displaces which, and which displace
// hydrogen from acids and from water.
#ifndef REACTION_DRILL_SHARED_ION_ACTIVITY_H_
#define REACTION_DRILL_SHARED_ION_ACTIVITY_H_

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "ion_catalogue.h"
#include "text.h"

namespace chemistry {

struct ActivityRank {
  std::string_view formula;
  int rank;
};

// The activity series, most reactive first. A larger rank displaces a smaller
// one; any formula not listed ranks 0.
// clang-format off
inline constexpr ActivityRank activitySeries[] = {
    // metal  rank
    {"K",     14},
    {"Na",    13},
    {"Li",    12},
    {"Ca",    11},
    {"Mg",    10},
    {"Al",     9},
    {"Zn",     8},
    {"Fe",     7},
    {"Sn",     6},
    {"Pb",     5},
    {"Cu",     4},
    {"Hg",     3},
    {"Ag",     2},
    {"Au",     1},
};
// clang-format on

}  // namespace chemistry

// The rank of an element formula in the activity series, 0 if not in it.
inline int reactivity(std::string_view e) {
  for (const chemistry::ActivityRank& metal : chemistry::activitySeries) {
    if (metal.formula == e) return metal.rank;
  }
  return 0;
}

namespace chemistry {

// Hydrogen stands just above copper: every metal above copper displaces it
// from an acid. Magnesium is the last metal counted too slow to displace it
// from cold water.
inline constexpr std::string_view firstBelowHydrogen = "Cu";
inline constexpr std::string_view slowestInWater = "Mg";

// The halogen series, most reactive first: a halogen takes the electrons of
// the halide ions of those below it. Fluorine heads it, though the drill
// never puts it into water.
inline constexpr std::string_view halogenSeries = "F Cl Br I";

// What the metals do with water that stand above hydrogen but too low in
// the series to react with cold water as the metals above magnesium do.
struct WaterBehaviour {
  std::string_view metal;      // formula
  std::string_view coldWater;  // what it does, after its name
  bool steam;  // whether steam takes it to its oxide and hydrogen
};
// clang-format off
inline constexpr WaterBehaviour slowInWater[] = {
    // metal  what it does                                             steam
    {"Mg",    "reacts only very slowly with cold water",               true},
    {"Al",    "does not react with water: a layer of oxide protects it", false},
    {"Zn",    "reacts only with steam",                                true},
};
// clang-format on

}  // namespace chemistry

// What the metal of `formula` does with water, where it is too low in the
// series to react with cold water; null for any other metal.
inline const chemistry::WaterBehaviour* slowInWater(std::string_view formula) {
  for (const chemistry::WaterBehaviour& w : chemistry::slowInWater) {
    if (w.metal == formula) return &w;
  }
  return nullptr;
}

// True for a metal above copper: it displaces hydrogen from an acid.
inline bool reactsWithAcid(std::string_view e) {
  return reactivity(e) > reactivity(chemistry::firstBelowHydrogen);
}

// True for a metal above magnesium: it displaces hydrogen from water.
inline bool reactsWithWater(std::string_view e) {
  return reactivity(e) > reactivity(chemistry::slowestInWater);
}

// The series as a student reads it: the metals the catalogue names, most
// reactive first, with hydrogen in the place where the metals stop
// displacing it from acids: "K Na Li Mg Al Zn Fe Sn Pb (H) Cu Hg Ag Au".
inline const std::string& activitySeriesText() {
  static const std::string written = [] {
    std::string text;
    bool hydrogenPlaced = false;
    for (const chemistry::ActivityRank& metal : chemistry::activitySeries) {
      if (catalogueIonWithFormula(metal.formula) == nullptr) continue;
      if (!text.empty()) text += ' ';
      if (!hydrogenPlaced && !reactsWithAcid(metal.formula)) {
        text += "(H) ";
        hydrogenPlaced = true;
      }
      text += metal.formula;
    }
    return text;
  }();
  return written;
}

// The place of the halogen whose ion has the formula `anion` in the
// halogen series, 1 for fluorine; 0 for any other anion.
inline int halogenPlace(std::string_view anion) {
  // Read in place: the draws ask it often.
  std::string_view rest = chemistry::halogenSeries;
  for (int place = 1; !rest.empty(); ++place) {
    const std::size_t end = std::min(rest.find(' '), rest.size());
    if (rest.substr(0, end) == anion) return place;
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return 0;
}

#endif  // REACTION_DRILL_SHARED_ION_ACTIVITY_H_
