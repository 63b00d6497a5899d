// The colours of the solids the programs name, as a class would see them: a
// precipitate as it falls out of solution, a salt made from its elements as
// the dry solid, a metal as it is deposited. A solid is either in a row of
// solidColours or listed in noColourSaid; one whose colour varies with how
// it is made, or is not common knowledge, is listed there, and its colour
// is never said.
#ifndef REACTION_DRILL_SHARED_ION_COLOURS_H_
#define REACTION_DRILL_SHARED_ION_COLOURS_H_

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "text.h"

namespace chemistry {

struct SolidColour {
  std::string_view formulas;  // as makeFormula writes them, blank-separated
  std::string_view colour;    // as a sentence says it: "orange-brown"
  std::string_view source;    // where the colour is not the common one
};

// Precipitates first, with the colours of the qualitative tests that
// identify their ions; then the salts a metal and a nonmetal make, as dry
// solids; then elements.
// clang-format off
inline constexpr SolidColour solidColours[] = {
    // formulas                                        colour
    //   source, where not the school tests' colour
    // Hydroxides: the tests for metal ions with sodium hydroxide.
    {"Cu(OH)2",                                        "blue", ""},
    {"Fe(OH)2",                                        "green", ""},
    {"Fe(OH)3",                                        "orange-brown", ""},
    {"Ni(OH)2",                                        "green", ""},
    {"Cr(OH)3",                                        "grey-green", ""},
    {"Mn(OH)2",                                        "off-white",
     "darkens to brown in air"},
    {"Al(OH)3 Zn(OH)2 Mg(OH)2 Pb(OH)2 Be(OH)2 Sn(OH)2 Cd(OH)2 Ca(OH)2",
                                                       "white", ""},
    // Halides: the tests with silver nitrate, and lead(II).
    {"AgCl",                                           "white", ""},
    {"AgBr",                                           "cream", ""},
    {"AgI PbI2",                                       "yellow", ""},
    {"PbCl2 PbBr2 PbF2 BaF2 MgF2 CaF2",                "white", ""},
    {"HgI2",                                           "orange-red", ""},
    // Sulfates, carbonates and phosphates.
    {"BaSO4 PbSO4 CaSO4",                              "white", ""},
    {"BaCO3 PbCO3 ZnCO3 MgCO3 CdCO3 CaCO3",            "white", ""},
    {"Na2CO3 K2CO3 Li2CO3 NaHCO3 KHCO3",               "white", ""},
    {"CuCO3",                                          "green",
     "basic copper carbonate, as it precipitates"},
    {"NiCO3",                                          "pale green", ""},
    {"Ag2CO3",                                         "pale yellow", ""},
    {"Ag3PO4",                                         "yellow", ""},
    {"Ba3(PO4)2 Mg3(PO4)2 Zn3(PO4)2 Pb3(PO4)2 AlPO4 Be3(PO4)2 Cd3(PO4)2 "
     "Ca3(PO4)2",                                      "white", ""},
    {"Cu3(PO4)2",                                      "pale blue", ""},
    // Sulfides: the tests with hydrogen sulfide.
    {"CuS PbS FeS Fe2S3 Ag2S HgS NiS CoS",             "black", ""},
    {"ZnS",                                            "white", ""},
    {"CdS",                                            "yellow", ""},
    {"MnS",                                            "pink", ""},
    {"SnS",                                            "brown", ""},
    // Oxides.
    {"CuO FeO SnO",                                    "black", ""},
    {"Fe2O3",                                          "red-brown", ""},
    {"Cr2O3 NiO",                                      "green", ""},
    {"CdO",                                            "brown", ""},
    {"Ag2O",                                           "dark brown", ""},
    {"ZnO MgO Al2O3 BaO BeO Li2O Na2O CaO",            "white", ""},
    // Salts of a metal and a nonmetal, dry.
    {"NaCl NaBr NaI NaF KCl KBr KI KF LiCl LiBr LiI LiF", "white", ""},
    {"BaCl2 BaBr2 BaI2 MgCl2 MgBr2 MgI2 BeCl2 BeBr2 BeF2 BeI2", "white", ""},
    {"CaCl2 CaBr2 CaI2 CaS",                           "white", ""},
    {"AlCl3 AlBr3 AlF3 AlI3 ZnCl2 ZnBr2 ZnI2 ZnF2",    "white", ""},
    {"CdCl2 CdBr2 CdI2 CdF2 HgCl2 HgBr2 CuF2",         "white", "anhydrous"},
    {"Na2S BaS AlN",                                   "white", ""},
    {"CuCl2",                                          "yellow-brown",
     "anhydrous; blue-green when damp"},
    {"CuBr2",                                          "black", "anhydrous"},
    {"FeCl3",                                          "dark brown", "anhydrous"},
    {"FeBr3",                                          "red-brown", "anhydrous"},
    {"CoCl2",                                          "blue",
     "anhydrous; pink when damp"},
    {"NiCl2",                                          "yellow", "anhydrous"},
    {"MnCl2",                                          "pink", "anhydrous"},
    {"CrCl3",                                          "violet", "anhydrous"},
    {"Mg3N2",                                          "greenish-yellow", ""},
    // Elements.
    {"S",                                              "yellow", ""},
    {"I2",                                             "grey-black", ""},
    {"C6H12O6 C12H22O11",                              "white", ""},
    {"Cu",                                             "pinkish-brown",
     "as a deposit"},
    {"Ag",                                             "grey", "as a deposit"},
    {"Au",                                             "gold", ""},
    {"Al Zn Mg Fe Na K Li Ba Be Cd Co Cr Mn Ni Ca",    "silvery grey", ""},
};
// clang-format on

// Solids whose colour is not said: it varies with how the solid is made or
// how dry it is, or it is not common knowledge.
inline constexpr std::string_view noColourSaid =
    "Co(OH)2 FeCO3 SnCO3 CoCO3 MnCO3 Fe3(PO4)2 FePO4 Mn3(PO4)2 Sn3(PO4)2 "
    "Hg3(PO4)2 CrPO4 Co3(PO4)2 Ni3(PO4)2 AgF HgF2 MnF2 MnBr2 MnI2 CoBr2 CoI2 "
    "CoF2 NiBr2 NiI2 NiF2 FeF3 FeI2 CrBr3 CrF3 CrI3 K2O K2S Li2S MgS BeS "
    "Al2S3 Cr2S3 CoO MnO PbO HgO Li3N Ba3N2 Be3N2 Na3P K3P Li3P Mg3P2 Ba3P2 "
    "Zn3P2 AlP P Ca3N2 Ca3P2";

// The colours of the halogens a reaction sets free in water, which colour
// the solution.
struct SolutionColour {
  std::string_view formula;
  std::string_view colour;
};
// clang-format off
inline constexpr SolutionColour solutionColours[] = {
    // formula  colour
    {"Br2",     "orange"},
    {"I2",      "brown"},
};
// clang-format on

}  // namespace chemistry

// The colour `formula` gives water it is dissolved in, or empty where
// none is said.
inline std::string_view solutionColourOf(std::string_view formula) {
  for (const chemistry::SolutionColour& row : chemistry::solutionColours) {
    if (row.formula == formula) return row.colour;
  }
  return {};
}

// The row that gives the colour of the solid `formula`, or null where no
// colour is said. Every formula of the table, sorted once, is searched
// rather than the table read: every reason of every question asks.
inline const chemistry::SolidColour* solidColour(std::string_view formula) {
  using Entry = std::pair<std::string_view, const chemistry::SolidColour*>;
  static const std::vector<Entry> sorted = [] {
    std::vector<Entry> all;
    for (const chemistry::SolidColour& row : chemistry::solidColours) {
      for (const std::string_view f : wordsOf(row.formulas)) {
        all.emplace_back(f, &row);
      }
    }
    // The first row that lists a formula gives its colour.
    std::stable_sort(
        all.begin(), all.end(),
        [](const Entry& a, const Entry& b) { return a.first < b.first; });
    return all;
  }();
  const auto at = std::lower_bound(
      sorted.begin(), sorted.end(), formula,
      [](const Entry& e, std::string_view f) { return e.first < f; });
  return at != sorted.end() && at->first == formula ? at->second : nullptr;
}

// The colour of the solid `formula` in words, or empty where none is said.
inline std::string_view colourOf(std::string_view formula) {
  const chemistry::SolidColour* row = solidColour(formula);
  return row != nullptr ? row->colour : std::string_view();
}

#endif  // REACTION_DRILL_SHARED_ION_COLOURS_H_
