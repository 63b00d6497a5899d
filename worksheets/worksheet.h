// Printable worksheets with an answer key, in plain text, Markdown or
// self-contained HTML. A program fills a Sheet with its questions and
// answers, each in two forms, and writeSheet lays it out; nothing here
// knows any chemistry.
#ifndef REACTION_DRILL_WORKSHEETS_WORKSHEET_H_
#define REACTION_DRILL_WORKSHEETS_WORKSHEET_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class SheetFormat { text, markdown, html };

// A piece of text as plain ASCII and as an inline HTML fragment, in which
// formulas have real subscripts and superscripts.
struct Rich {
  std::string text;
  std::string html;
};

// Word text in both forms: the HTML escaped, with its arrows as arrows.
Rich words(std::string_view text);

// One line of an answer, set in by `indent` blanks below its heading.
struct SheetLine {
  Rich content;
  int indent = 0;
};

// One question and its entry in the answer key.
struct SheetEntry {
  Rich question;               // "nitric acid + zinc carbonate"
  std::optional<Rich> prompt;  // "Formula:", where the answer goes
  std::vector<SheetLine> key;  // the answer, line by line
  bool roomToWrite = false;    // empty lines below, for a longer answer
};

struct Sheet {
  std::string title;     // "reaction-drill worksheet: predict the products"
  std::string typeName;  // "random", as the menu names the type
  std::uint64_t seed = 0;
  std::string remake;  // the command line that makes the sheet again
  std::vector<SheetEntry> entries;
};

// The command line that makes a worksheet again, such as "reaction-drill
// --worksheet --seed 42 --type 0 --count 3"; `extra` options follow the
// count, and a format other than text comes last.
std::string remakeCommand(std::string_view program, std::uint64_t seed,
                          unsigned type, std::uint32_t count,
                          std::string_view extra, SheetFormat format);

// The worksheet, then its answer key, in `format`. Text is plain ASCII;
// HTML is one file that needs nothing else and starts the key on a new page
// when printed.
std::string writeSheet(const Sheet& sheet, SheetFormat format);

#endif  // REACTION_DRILL_WORKSHEETS_WORKSHEET_H_
