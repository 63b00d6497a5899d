#include "formats.h"

std::string textSheet(const Sheet& sheet) {
  std::string out = sheet.title + "\n" + sheetHead(sheet) +
                    "\nTo make it again: " + sheet.remake + "\n\n";
  for (std::size_t k = 0; k < sheet.entries.size(); ++k) {
    const SheetEntry& e = sheet.entries[k];
    out += entryNumber(k) + e.question.text + "\n";
    if (e.prompt) out += "   " + e.prompt->text + "\n";
    out += e.roomToWrite ? "\n\n\n" : "\n";
  }
  out += "Answer key\n\n";
  for (std::size_t k = 0; k < sheet.entries.size(); ++k) {
    const SheetEntry& e = sheet.entries[k];
    out += entryNumber(k) + e.question.text + "\n";
    for (const SheetLine& line : e.key) {
      out += std::string(3 + static_cast<std::size_t>(line.indent), ' ') +
             line.content.text + "\n";
    }
    out += "\n";
  }
  return out;
}
