// Values as they cross to the browser page: seeds from text, and the
// core's texts, names and lines as JavaScript arrays and objects.
#ifndef REACTION_DRILL_WEB_PAGE_VALUES_H_
#define REACTION_DRILL_WEB_PAGE_VALUES_H_

#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sheet.h"

// Reads `text` into `seed`: decimal digits only, as the command line takes
// them; false for anything else, an empty text or a number beyond 64 bits.
[[nodiscard]] bool parseSeed(const std::string& text, std::uint64_t& seed);

emscripten::val namesOf(const std::vector<std::string_view>& names);
// {text, html}.
emscripten::val richOf(const Rich& r);
// [{text, html, indent}].
emscripten::val linesOf(const std::vector<SheetLine>& lines);

#endif  // REACTION_DRILL_WEB_PAGE_VALUES_H_
