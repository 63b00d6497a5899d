#include "sheet.h"

std::string sheetHead(const Sheet& sheet) {
  return "Type: " + sheet.typeName +
         ". Questions: " + std::to_string(sheet.entries.size()) +
         ". Seed: " + std::to_string(sheet.seed) + ".";
}

std::string entryNumber(std::size_t k) { return std::to_string(k + 1) + ". "; }
