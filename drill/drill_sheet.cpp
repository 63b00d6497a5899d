#include "drill_sheet.h"

#include <utility>
#include <vector>

#include "drill_session.h"
#include "reveal.h"

std::string drillWorksheet(std::uint64_t seed, unsigned choice,
                           std::uint32_t count, Extras extras,
                           const SheetFormat& format) {
  Sheet sheet;
  sheet.title = "reaction-drill worksheet: predict the products";
  sheet.typeName = reactionTypeMenu()[choice];
  sheet.seed = seed;
  std::string options = extras.formulas ? "--formulas" : "";
  if (extras.reasons) options += options.empty() ? "--explain" : " --explain";
  sheet.remake =
      remakeCommand("reaction-drill", seed, choice, count, options, format);
  DrillSession session(seed, choice);
  for (std::uint32_t k = 0; k < count; ++k) {
    Revealed shown = reveal(session.next(), extras);
    std::vector<SheetLine> key = std::move(shown.answer);
    for (auto* more : {&shown.equations, &shown.reasons}) {
      for (SheetLine& line : *more) key.push_back(std::move(line));
    }
    sheet.entries.push_back(
        {std::move(shown.question), std::nullopt, std::move(key), true});
  }
  return format.write(sheet);
}
