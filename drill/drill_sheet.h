// The drill's printable worksheet: questions to predict the products of,
// then the answer key.
#ifndef REACTION_DRILL_DRILL_DRILL_SHEET_H_
#define REACTION_DRILL_DRILL_DRILL_SHEET_H_

#include <string>

#include "formats.h"
#include "reveal.h"

// The worksheet `request` asks for: its count of questions of reaction type
// request.choice (0 for random), exactly those a drill session seeded with
// its seed asks, in order, or those of them its picks number; the key holds the
// formula equations and the reasons that `extras` asks for (the reasons always,
// in a format that explains), and the particle pictures where `extras` asks for
// them and the format is HTML; and the sheet leaves room for the equations.
// REQUIRES: request.choice <= reactionTypes; request.count <=
// maxSheetQuestions, and with picks, is their number.
std::string drillWorksheet(const SheetRequest& request, Extras extras);

#endif  // REACTION_DRILL_DRILL_DRILL_SHEET_H_
