#include "drill_sheet.h"

#include "chance.h"
#include "question.h"
#include "reveal.h"

std::string drillWorksheet(std::uint64_t seed, unsigned choice,
                           std::uint32_t count, bool formulas,
                           SheetFormat format) {
  Sheet sheet;
  sheet.title = "reaction-drill worksheet: predict the products";
  sheet.typeName = reactionTypeNames[choice];
  sheet.seed = seed;
  sheet.remake = remakeCommand("reaction-drill", seed, choice, count,
                               formulas ? "--formulas" : "", format);
  seedChance(seed);
  // The same draws, in the same order, as the dialogue makes.
  for (std::uint32_t k = 0; k < count; ++k) {
    const Reaction r = drawReaction(nextType(choice, reactionTypes));
    const QuestionTexts t = compose(r);
    sheet.entries.push_back({questionLine(r, t), std::nullopt,
                             revealedLines(r, t, formulas), true});
  }
  return writeSheet(sheet, format);
}
