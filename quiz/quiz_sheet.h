// The quiz's printable worksheet: names to write the formula or the
// solubility of, then the answer key.
#ifndef REACTION_DRILL_QUIZ_QUIZ_SHEET_H_
#define REACTION_DRILL_QUIZ_QUIZ_SHEET_H_

#include <string>

#include "formats.h"

// The worksheet `request` asks for: its count of questions of its type (0
// for random), exactly those a quiz seeded with its seed asks, in order, or
// those of them its picks number;
// with `explain`, or in a format that explains, the key says why, where a
// question has a reason.
// REQUIRES: request.choice <= questionTypes; request.count <=
// maxSheetQuestions, and with picks, is their number.
std::string quizWorksheet(const SheetRequest& request, bool explain = false);

#endif  // REACTION_DRILL_QUIZ_QUIZ_SHEET_H_
