#include "compound_question.h"

#include <algorithm>

bool hidesItsCharge(const Ion& i) {
  return !namesItsCharge(i) &&
         std::any_of(
             catalogue().begin(), catalogue().end(), [&i](const Ion& other) {
               return other.formula == i.formula && other.valency != i.valency;
             });
}

std::string compoundLine(const Ion& cation, const Ion& anion) {
  return "Compound: " + ionName(cation) + " " + anion.name;
}
