#include "formats.h"

namespace {

// An answer line inside a list item; a backslash at the end breaks the line.
std::string markdownLine(const SheetLine& line, bool last) {
  std::string indent;
  for (int k = 0; k < line.indent; k += 2) indent += "&emsp;";
  return "   " + indent + line.content.html + (last ? "\n" : "\\\n");
}

}  // namespace

std::string markdownSheet(const Sheet& sheet) {
  std::string out = "# " + escapeHtml(sheet.title) + "\n\n" + sheetHead(sheet) +
                    "\\\nTo make it again: `" + sheet.remake + "`\n\n";
  for (std::size_t k = 0; k < sheet.entries.size(); ++k) {
    const SheetEntry& e = sheet.entries[k];
    out += entryNumber(k) + e.question.html;
    out += e.prompt ? "\\\n   " + e.prompt->html + "\n\n" : "\n\n";
  }
  out += "## Answer key\n\n";
  for (std::size_t k = 0; k < sheet.entries.size(); ++k) {
    const SheetEntry& e = sheet.entries[k];
    out += entryNumber(k) + e.question.html + (e.key.empty() ? "\n" : "\\\n");
    for (std::size_t l = 0; l < e.key.size(); ++l) {
      out += markdownLine(e.key[l], l + 1 == e.key.size());
    }
    out += "\n";
  }
  return out;
}
