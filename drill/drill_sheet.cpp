#include "drill_sheet.h"

#include <utility>
#include <vector>

#include "drill_session.h"

namespace {

// Ruled lines for the type, the products and the ionic answer in words;
// with the formula equations, room for them too, the complete ionic
// equation the longest.
constexpr unsigned wordLines = 4;
constexpr unsigned formulaLines = 7;

// The options a key's extras are asked for with.
std::string optionsFor(Extras extras) {
  std::string options = extras.formulas ? "--formulas" : "";
  if (extras.reasons) options += options.empty() ? "--explain" : " --explain";
  if (extras.pictures) {
    options += options.empty() ? "--pictures" : " --pictures";
  }
  return options;
}

}  // namespace

std::string drillWorksheet(const SheetRequest& request, Extras extras) {
  // The command names only what was asked for.
  Sheet sheet =
      sheetFor(request, "reaction-drill", "drill", optionsFor(extras));
  extras.reasons = extras.reasons || request.format->explains;
  sheet.title = "reaction-drill worksheet: predict the products";
  sheet.task = drillIntro;
  sheet.typeName = reactionTypeMenu()[request.choice];
  const unsigned lines = wordLines + (extras.formulas ? formulaLines : 0);
  DrillSession session(request.seed, request.choice, request.picks);
  for (std::uint32_t k = 0; k < request.count; ++k) {
    Revealed shown = reveal(session.next(), extras);
    std::vector<SheetLine> key = std::move(shown.answer);
    for (auto* more : {&shown.equations, &shown.reasons}) {
      for (SheetLine& line : *more) key.push_back(std::move(line));
    }
    sheet.entries.push_back(
        {std::move(shown.question), std::nullopt, std::move(key), lines});
    sheet.entries.back().figure = std::move(shown.picture);
  }
  return request.format->write(sheet);
}
