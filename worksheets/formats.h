// The formats a worksheet is written in: the one table that the command
// line, its help, the worksheets and the browser page read.
#ifndef REACTION_DRILL_WORKSHEETS_FORMATS_H_
#define REACTION_DRILL_WORKSHEETS_FORMATS_H_

#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "sheet.h"

struct SheetFormat {
  std::string_view name;  // as --format takes it
  // The worksheet, then its answer key.
  std::string (*write)(const Sheet& sheet);
};

// Each format's writer, in a file of its own.
// Plain ASCII.
std::string textSheet(const Sheet& sheet);
// A Markdown document, its formulas in inline HTML.
std::string markdownSheet(const Sheet& sheet);
// One HTML file that needs nothing else and starts the key on a new page
// when printed.
std::string htmlSheet(const Sheet& sheet);

// The formats; the first is the one used unless another is asked for.
// clang-format off
inline constexpr SheetFormat sheetFormats[] = {
    // name       writer
    {"text",      textSheet},
    {"markdown",  markdownSheet},
    {"html",      htmlSheet},
};
// clang-format on

// The most questions a worksheet holds, in any format, and how many it
// holds unless told.
inline constexpr std::uint32_t maxSheetQuestions = 1000;
inline constexpr std::uint32_t defaultSheetQuestions = 10;

inline const SheetFormat& defaultFormat() { return sheetFormats[0]; }

// The format called `name`, or null.
const SheetFormat* findFormat(std::string_view name);

// The names of the formats as a sentence lists them: "text, markdown or
// html".
std::string formatNames();

// The command line that makes a worksheet again, such as "reaction-drill
// --worksheet --seed 42 --type 0 --count 3"; `extra` options follow the
// count, and a format other than the default comes last.
std::string remakeCommand(std::string_view program, std::uint64_t seed,
                          unsigned type, std::uint32_t count,
                          std::string_view extra, const SheetFormat& format);

#endif  // REACTION_DRILL_WORKSHEETS_FORMATS_H_
