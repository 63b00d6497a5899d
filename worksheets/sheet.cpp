#include "sheet.h"

std::string sheetHead(const Sheet& sheet) {
  return "Type: " + sheet.typeName +
         ". Questions: " + std::to_string(sheet.entries.size()) +
         ". Seed: " + std::to_string(sheet.seed) + ".";
}

std::string entryNumber(std::size_t k) { return std::to_string(k + 1) + ". "; }

std::string nameLine() {
  return "Name: " + std::string(28, '_') + "  Class: " + std::string(10, '_') +
         "  Date: " + std::string(10, '_');
}

std::string ruledLine() { return "   " + std::string(60, '_'); }
