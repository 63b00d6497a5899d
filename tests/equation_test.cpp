// Balancing equations and writing them.
#include "equation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// Terms written "MnO4-": the trailing signs are the charge.
std::vector<Term> terms(const Names& written) {
  std::vector<Term> all;
  for (const std::string& w : written) {
    const std::size_t end = w.find_last_not_of("+-") + 1;
    const int size = static_cast<int>(w.size() - end);
    all.push_back({1, w.substr(0, end), w.back() == '-' ? -size : size,
                   State::aqueous, std::nullopt});
  }
  return all;
}

TEST(Balance, FindsTheOneSmallestWholeSetOrSaysWhyNot) {
  const struct {
    Names reactants, products;
    Balance want;
    std::string balanced;
  } cases[] = {
      {{"MnO4-", "Fe++", "H+"},
       {"Mn++", "Fe+++", "H2O"},
       Balance::unique,
       "MnO4-(aq) + 5Fe2+(aq) + 8H+(aq) -> Mn2+(aq) + 5Fe3+(aq) + 4H2O(aq)"},
      {{"K4Fe(CN)6", "KMnO4", "H2SO4"},
       {"KHSO4", "Fe2(SO4)3", "MnSO4", "HNO3", "CO2", "H2O"},
       Balance::unique,
       "10K4Fe(CN)6(aq) + 122KMnO4(aq) + 299H2SO4(aq) -> 162KHSO4(aq) + "
       "5Fe2(SO4)3(aq) + 122MnSO4(aq) + 60HNO3(aq) + 60CO2(aq) + "
       "188H2O(aq)"},
      {{"N2", "NO2"}, {"N2O", "NO3"}, Balance::ambiguous, ""},
      {{"H2O"}, {"H2"}, Balance::none, ""},
      {{"Na"}, {"Na+"}, Balance::none, ""},
      {{"H2", "O2", "H2O2"}, {"H2O", "He"}, Balance::none, ""},
      {{"Mg(OH"}, {"MgO", "H2O"}, Balance::unsupported, ""},
      {{"H99999999999999999999"}, {"H2"}, Balance::unsupported, ""},
  };
  for (const auto& c : cases) {
    Equation e{terms(c.reactants), terms(c.products), false};
    EXPECT_EQ(balance(e), c.want) << ascii(e);
    if (c.want == Balance::unique) {
      EXPECT_EQ(ascii(e), c.balanced);
    }
  }
}

}  // namespace
