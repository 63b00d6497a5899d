// Random selection of catalogue ions by role. Each selector returns a copy.
#ifndef REACTION_DRILL_SHARED_ION_SELECTION_H_
#define REACTION_DRILL_SHARED_ION_SELECTION_H_

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "chance.h"
#include "ion_catalogue.h"

namespace ion_detail {

inline bool nameIsOneOf(const Ion& i,
                        std::initializer_list<std::string_view> names) {
  return std::any_of(names.begin(), names.end(),
                     [&](std::string_view n) { return i.name == n; });
}

}  // namespace ion_detail

// Draws catalogue positions until `accept` takes the entry there, and
// returns it in place, for a caller that tests it further before it takes a
// copy: copying each rejected entry would cost more than the draw.
template <typename Accept>
const Ion& drawIonInPlace(Accept accept) {
  const std::vector<Ion>& all = catalogue();
  const auto positions = static_cast<std::uint32_t>(all.size());
  for (;;) {
    const Ion& candidate = all[randomBelow(positions)];
    if (accept(candidate)) return candidate;
  }
}

// drawIonInPlace's entry, copied: the first catalogue ion drawn that
// `accept` takes.
template <typename Accept>
Ion drawIon(Accept accept) {
  return drawIonInPlace(accept);
}

// The roles the selectors draw, one test each, so that a program can list
// every ion a selector can give.
namespace role {

// Each test is an object of a type of its own, so that a selector's loop
// inlines it.
inline constexpr auto anyIon = [](const Ion& /*i*/) { return true; };
inline constexpr auto anion = [](const Ion& i) { return i.isAnion(); };
inline constexpr auto cation = [](const Ion& i) { return !i.isAnion(); };
// An anion that forms an acid with hydrogen.
inline constexpr auto acid = [](const Ion& i) {
  return i.isAnion() && !i.acidname.empty();
};
inline constexpr auto base = [](const Ion& i) {
  return i.isAnion() && ion_detail::nameIsOneOf(i, {"hydroxide", "carbonate",
                                                    "oxide", "bicarbonate"});
};
inline constexpr auto carbonate = [](const Ion& i) {
  return i.isAnion() &&
         ion_detail::nameIsOneOf(i, {"carbonate", "bicarbonate"});
};
inline constexpr auto baseNoCarbonate = [](const Ion& i) {
  return i.isAnion() && ion_detail::nameIsOneOf(i, {"hydroxide", "oxide"});
};

}  // namespace role

// Calls `visit` with every catalogue ion that `accept` takes, in catalogue
// order: every ion a selector drawing with that test can give.
template <typename Accept, typename Visit>
void forEachIon(Accept accept, Visit visit) {
  for (const Ion& i : catalogue()) {
    if (accept(i)) visit(i);
  }
}

// Any catalogue entry.
inline Ion randomIon() { return drawIon(role::anyIon); }

// Any anion of the catalogue.
inline Ion randomNeg() { return drawIon(role::anion); }

// Any cation of the catalogue, ammonium included.
inline Ion randomPos() { return drawIon(role::cation); }

// The anion selectors below accept the first anion drawn that fits their
// role, exactly as if they redrew randomNeg() until it did. No program
// calls them: the reaction types draw with drawIon and the same roles.
// They are kept for the tests, which pin each role's ions through them.

// An anion that forms an acid with hydrogen.
inline Ion randomAcid() { return drawIon(role::acid); }

// Hydroxide, carbonate, oxide or bicarbonate.
inline Ion randomBase() { return drawIon(role::base); }

// Carbonate or bicarbonate.
inline Ion randomCarbonate() { return drawIon(role::carbonate); }

// Hydroxide or oxide.
inline Ion randomBaseNoCarbonate() { return drawIon(role::baseNoCarbonate); }

#endif  // REACTION_DRILL_SHARED_ION_SELECTION_H_
