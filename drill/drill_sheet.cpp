#include "drill_sheet.h"

#include <utility>
#include <vector>

#include "drill_session.h"
#include "reveal.h"

namespace {

// Ruled lines for the type, the products and the ionic answer in words;
// with the formula equations, room for them too, the complete ionic
// equation the longest.
constexpr unsigned wordLines = 4;
constexpr unsigned formulaLines = 7;

}  // namespace

std::string drillWorksheet(const SheetRequest& request, bool formulas) {
  Sheet sheet = sheetFor(request, "reaction-drill", "drill",
                         formulas ? "--formulas" : "");
  sheet.title = "reaction-drill worksheet: predict the products";
  sheet.typeName = reactionTypeMenu()[request.choice];
  const unsigned lines = wordLines + (formulas ? formulaLines : 0);
  DrillSession session(request.seed, request.choice);
  for (std::uint32_t k = 0; k < request.count; ++k) {
    Revealed shown = reveal(session.next(), formulas);
    std::vector<SheetLine> key = std::move(shown.answer);
    for (SheetLine& line : shown.equations) key.push_back(std::move(line));
    sheet.entries.push_back(
        {std::move(shown.question), std::nullopt, std::move(key), lines});
  }
  return request.format->write(sheet);
}
