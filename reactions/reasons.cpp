#include "reasons.h"

#include "text.h"

namespace why {

std::string solubility(const Ion& cation, const Ion& anion) {
  const chemistry::SolubilityRule* rule = solubilityRule(cation, anion);
  const std::string state = isSolubleChar(cation, anion) == soluble
                                ? " stays dissolved. "
                                : " is solid. ";
  return words::compound(cation, anion) + state +
         (rule != nullptr ? ruleSentence(*rule) : "No rule covers it.");
}

void addSpectators(std::vector<std::string>& reasons,
                   const words::WordSide& reactants,
                   const words::WordSide& products) {
  const std::vector<std::string> names = spectators(reactants, products);
  if (names.empty()) return;
  reasons.push_back(listed(names) +
                    " are spectators: dissolved on both sides, unchanged.");
}

std::string activity(const Ion& metal, std::string_view other, bool above,
                     std::string_view soWhat) {
  return metal.name + (above ? " is above " : " is below ") +
         std::string(other) + " in the activity series, so " +
         std::string(soWhat) + ".";
}

void addWeakBase(std::vector<std::string>& reasons, const Ion& cation,
                 const Ion& anion) {
  if (!isWeakBase(cation, anion)) return;
  reasons.push_back(words::compound(cation, anion) +
                    " is a weak base: it stays a molecule in water.");
}

std::string series() {
  return "The activity series: " + activitySeriesText() + ".";
}

}  // namespace why
