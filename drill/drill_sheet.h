// The drill's printable worksheet: questions to predict the products of,
// then the answer key.
#ifndef REACTION_DRILL_DRILL_DRILL_SHEET_H_
#define REACTION_DRILL_DRILL_DRILL_SHEET_H_

#include <cstdint>
#include <string>

#include "formats.h"
#include "reveal.h"

// A worksheet of `count` questions of reaction type `choice` (0 for random),
// exactly those a drill session seeded with `seed` asks, in order; the key
// holds the formula equations and the reasons that `extras` asks for.
// REQUIRES: choice <= reactionTypes; count <= maxSheetQuestions; the ion
// catalogue is filled.
std::string drillWorksheet(std::uint64_t seed, unsigned choice,
                           std::uint32_t count, Extras extras,
                           const SheetFormat& format);

#endif  // REACTION_DRILL_DRILL_DRILL_SHEET_H_
