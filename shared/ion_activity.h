// The activity series: which metal displaces which, and which displace
// hydrogen from acids and from water.
#ifndef REACTION_DRILL_SHARED_ION_ACTIVITY_H_
#define REACTION_DRILL_SHARED_ION_ACTIVITY_H_

#include <string_view>

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

// True for a metal above copper: it displaces hydrogen from an acid.
inline bool reactsWithAcid(std::string_view e) {
  return reactivity(e) > reactivity("Cu");
}

// True for a metal above magnesium: it displaces hydrogen from water.
inline bool reactsWithWater(std::string_view e) {
  return reactivity(e) > reactivity("Mg");
}

#endif  // REACTION_DRILL_SHARED_ION_ACTIVITY_H_
