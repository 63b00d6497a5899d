// The formats a worksheet is written in and the parts it may hold: the
// tables that the command line, its help, the worksheets and the browser
// page read; and what a worksheet says of where it was made.
#ifndef REACTION_DRILL_WORKSHEETS_FORMATS_H_
#define REACTION_DRILL_WORKSHEETS_FORMATS_H_

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "menu.h"
#include "sheet.h"
#include "text.h"

struct SheetFormat {
  std::string_view name;  // as --format takes it
  // The worksheet's parts, the questions before the answer key.
  std::string (*write)(const Sheet& sheet);
  // Whether the questions or the key can be written alone; a question bank
  // holds each question with its answer.
  bool partsApart = true;
  // Whether the key always says why: in a learning platform the key is the
  // feedback a student reads after answering.
  bool explains = false;
};

// Each format's writer, in a file of its own.
// Plain ASCII.
std::string textSheet(const Sheet& sheet);
// A Markdown document, its formulas in inline HTML.
std::string markdownSheet(const Sheet& sheet);
// One HTML file that needs nothing else, with a button to print it, and
// that starts the key on a new page when printed.
std::string htmlSheet(const Sheet& sheet);
// A question bank in Moodle XML, which every common learning platform
// imports: formulas and yes-or-no questions marked by the platform, the
// rest by the teacher with the key beside them.
std::string moodleSheet(const Sheet& sheet);

// The formats; the first is the one used unless another is asked for.
// clang-format off
inline constexpr SheetFormat sheetFormats[] = {
    // name       writer          parts apart  explains
    {"text",      textSheet,      true,        false},
    {"markdown",  markdownSheet,  true,        false},
    {"html",      htmlSheet,      true,        false},
    {"moodle",    moodleSheet,    false,       true},
};
// clang-format on

// A part of a worksheet on its own, as --only names it; without --only a
// worksheet holds both.
struct SheetPartName {
  std::string_view name;
  SheetParts parts;
};
// clang-format off
inline constexpr SheetPartName sheetPartNames[] = {
    // name         parts
    {"questions",   SheetParts::questions},
    {"key",         SheetParts::key},
};
// clang-format on

// The most questions a worksheet holds, in any format, and how many it
// holds unless told.
inline constexpr std::uint32_t maxSheetQuestions = 1000;
inline constexpr std::uint32_t defaultSheetQuestions = 10;

inline const SheetFormat& defaultFormat() { return sheetFormats[0]; }

// The browser page as a worksheet names it where the page does not give
// its own address: the file the web build writes, beside the sheet.
inline constexpr std::string_view defaultPage = "reaction-drill.html";

// What a worksheet is made of: the session's seed, type and count, or the
// questions of the seed picked by number, and how it is written.
struct SheetRequest {
  std::uint64_t seed = 0;
  unsigned choice = 0;  // the question type, 0 for random
  std::uint32_t count = defaultSheetQuestions;  // with picks, how many
  QuestionNumbers picks;                        // empty: the first `count`
  SheetParts parts = SheetParts::both;
  const SheetFormat* format = &defaultFormat();
  std::string_view page = defaultPage;  // the browser page, without '#'
  // Whether the sheet links to the page: not where the sheet is opened
  // from no place the page's address can be reached from.
  bool linked = true;
};

// The format called `name`, or null.
const SheetFormat* findFormat(std::string_view name);

// The parts called `name` ("questions", "key"), or null.
const SheetPartName* findParts(std::string_view name);

// The names of a table's rows as a sentence lists them: "text, markdown or
// html".
template <typename Row, std::size_t count>
std::string sentenceOf(const Row (&rows)[count]) {
  std::vector<std::string> names;
  for (const Row& row : rows) names.emplace_back(row.name);
  return listed(names, "or");
}

// The browser page at the session of `program` ("drill" or "quiz"), seed,
// type and count (none for 0) or picks, as the page reads its address:
// "reaction-drill.html#program=quiz&seed=42&type=2&count=10", or
// "...&type=2&questions=3,7,12".
std::string pageAddress(std::string_view page, std::string_view program,
                        std::uint64_t seed, unsigned type, std::uint32_t count,
                        const QuestionNumbers& picks = {});

// The head of the worksheet that `request` asks `program` for: its seed,
// type, parts, the page's address and the command line that makes it
// again, such as "reaction-drill --worksheet --seed 42 --type 0 --count 3"
// (with picks, "--questions 3,7,12" in place of the count);
// `extra` options follow the count, then the parts and a format other than
// the default.
Sheet sheetFor(const SheetRequest& request, std::string_view program,
               std::string_view pageProgram, std::string_view extra);

#endif  // REACTION_DRILL_WORKSHEETS_FORMATS_H_
