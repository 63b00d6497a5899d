// Printable worksheets with an answer key. A program fills a Sheet with its
// questions and answers, each in two forms, and a format (formats.h) lays
// it out; nothing here knows any chemistry.
#ifndef REACTION_DRILL_WORKSHEETS_SHEET_H_
#define REACTION_DRILL_WORKSHEETS_SHEET_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rich.h"

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

// "Type: random. Questions: 3. Seed: 42.", the line below the title.
std::string sheetHead(const Sheet& sheet);

// "3. ", the number of the entry at `k`, counted from 0.
std::string entryNumber(std::size_t k);

#endif  // REACTION_DRILL_WORKSHEETS_SHEET_H_
