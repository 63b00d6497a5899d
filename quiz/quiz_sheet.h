// The quiz's printable worksheet: names to write the formula or the
// solubility of, then the answer key.
#ifndef REACTION_DRILL_QUIZ_QUIZ_SHEET_H_
#define REACTION_DRILL_QUIZ_QUIZ_SHEET_H_

#include <cstdint>
#include <string>

#include "formats.h"

// A worksheet of `count` questions of type `choice` (0 for random), exactly
// those a quiz seeded with `seed` asks, in order; with `explain` the key
// says why, where a question has a reason.
// REQUIRES: choice <= questionTypes; count <= maxSheetQuestions; the ion
// catalogue is filled.
std::string quizWorksheet(std::uint64_t seed, unsigned choice,
                          std::uint32_t count, const SheetFormat& format,
                          bool explain = false);

#endif  // REACTION_DRILL_QUIZ_QUIZ_SHEET_H_
