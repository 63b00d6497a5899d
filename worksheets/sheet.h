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
  unsigned lines = 1;          // ruled lines to write the answer on
};

// The parts of a worksheet that are written: the questions, then the key
// on a page of its own, or either of them alone.
enum class SheetParts { both, questions, key };

struct Sheet {
  std::string title;     // "reaction-drill worksheet: predict the products"
  std::string typeName;  // "random", as the menu names the type
  std::uint64_t seed = 0;
  std::string address;  // the browser page that asks the same questions
  std::string remake;   // the command line that makes the sheet again
  SheetParts parts = SheetParts::both;
  std::vector<SheetEntry> entries;
};

// "Type: random. Questions: 3. Seed: 42.", the line below the title.
std::string sheetHead(const Sheet& sheet);

// "3. ", the number of the entry at `k`, counted from 0.
std::string entryNumber(std::size_t k);

// Whether `sheet` holds its questions, and its answer key.
inline bool hasQuestions(const Sheet& sheet) {
  return sheet.parts != SheetParts::key;
}
inline bool hasKey(const Sheet& sheet) {
  return sheet.parts != SheetParts::questions;
}

// Where a student writes name, class and date, in underscores for plain
// text: "Name: ______  Class: ______  Date: ______".
std::string nameLine();

// One ruled line to write on, in underscores, set in as an answer is.
std::string ruledLine();

#endif  // REACTION_DRILL_WORKSHEETS_SHEET_H_
