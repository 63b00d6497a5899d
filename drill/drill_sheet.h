// The drill's printable worksheet: questions to predict the products of,
// then the answer key.
#ifndef REACTION_DRILL_DRILL_DRILL_SHEET_H_
#define REACTION_DRILL_DRILL_DRILL_SHEET_H_

#include <string>

#include "formats.h"

// The worksheet `request` asks for: its count of questions of reaction type
// request.choice (0 for random), exactly those a drill session seeded with
// its seed asks, in order; with `formulas` the key holds the formula
// equations too, and the sheet leaves room for them.
// REQUIRES: request.choice <= reactionTypes; request.count <=
// maxSheetQuestions; the ion catalogue is filled.
std::string drillWorksheet(const SheetRequest& request, bool formulas);

#endif  // REACTION_DRILL_DRILL_DRILL_SHEET_H_
