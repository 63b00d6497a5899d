#include "worksheet.h"

#include <string>

namespace {

std::string escapeHtml(std::string_view text) {
  std::string html;
  for (const char c : text) {
    switch (c) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '"':
        html += "&quot;";
        break;
      default:
        html += c;
    }
  }
  return html;
}

std::string head(const Sheet& sheet) {
  return "Type: " + sheet.typeName +
         ". Questions: " + std::to_string(sheet.entries.size()) +
         ". Seed: " + std::to_string(sheet.seed) + ".";
}

std::string number(std::size_t k) { return std::to_string(k + 1) + ". "; }

// --- Plain text --------------------------------------------------------------

std::string textSheet(const Sheet& sheet) {
  std::string out = sheet.title + "\n" + head(sheet) +
                    "\nTo make it again: " + sheet.remake + "\n\n";
  for (std::size_t k = 0; k < sheet.entries.size(); ++k) {
    const SheetEntry& e = sheet.entries[k];
    out += number(k) + e.question.text + "\n";
    if (e.prompt) out += "   " + e.prompt->text + "\n";
    out += e.roomToWrite ? "\n\n\n" : "\n";
  }
  out += "Answer key\n\n";
  for (std::size_t k = 0; k < sheet.entries.size(); ++k) {
    const SheetEntry& e = sheet.entries[k];
    out += number(k) + e.question.text + "\n";
    for (const SheetLine& line : e.key) {
      out += std::string(3 + static_cast<std::size_t>(line.indent), ' ') +
             line.content.text + "\n";
    }
    out += "\n";
  }
  return out;
}

// --- Markdown ----------------------------------------------------------------

// An answer line inside a list item; a backslash at the end breaks the line.
std::string markdownLine(const SheetLine& line, bool last) {
  std::string indent;
  for (int k = 0; k < line.indent; k += 2) indent += "&emsp;";
  return "   " + indent + line.content.html + (last ? "\n" : "\\\n");
}

std::string markdownSheet(const Sheet& sheet) {
  std::string out = "# " + escapeHtml(sheet.title) + "\n\n" + head(sheet) +
                    "\\\nTo make it again: `" + sheet.remake + "`\n\n";
  for (std::size_t k = 0; k < sheet.entries.size(); ++k) {
    const SheetEntry& e = sheet.entries[k];
    out += number(k) + e.question.html;
    out += e.prompt ? "\\\n   " + e.prompt->html + "\n\n" : "\n\n";
  }
  out += "## Answer key\n\n";
  for (std::size_t k = 0; k < sheet.entries.size(); ++k) {
    const SheetEntry& e = sheet.entries[k];
    out += number(k) + e.question.html + (e.key.empty() ? "\n" : "\\\n");
    for (std::size_t l = 0; l < e.key.size(); ++l) {
      out += markdownLine(e.key[l], l + 1 == e.key.size());
    }
    out += "\n";
  }
  return out;
}

// --- HTML --------------------------------------------------------------------

constexpr std::string_view htmlStyle =
    "body { font-family: Georgia, 'Times New Roman', serif; "
    "max-width: 46em; margin: 2em auto; padding: 0 1em; line-height: 1.45; }\n"
    "h1 { font-size: 1.4em; }\n"
    "h2 { font-size: 1.2em; }\n"
    "li { break-inside: avoid; page-break-inside: avoid; margin: 0 0 1em; }\n"
    "li p { margin: 0; }\n"
    ".room { height: 6em; }\n"
    ".key { break-before: page; page-break-before: always; }\n"
    ".indent { padding-left: 2em; }\n"
    "code { font-size: 0.9em; }\n"
    "@page { margin: 2cm; }\n";

std::string htmlAnswer(const SheetEntry& e) {
  std::string out = "<li><p>" + e.question.html + "</p>\n";
  for (const SheetLine& line : e.key) {
    out += line.indent > 0 ? "<p class=\"indent\">" : "<p>";
    out += line.content.html + "</p>\n";
  }
  return out + "</li>\n";
}

std::string htmlQuestion(const SheetEntry& e) {
  std::string out = "<li><p>" + e.question.html + "</p>\n";
  if (e.prompt) out += "<p class=\"indent\">" + e.prompt->html + "</p>\n";
  if (e.roomToWrite) out += "<div class=\"room\"></div>\n";
  return out + "</li>\n";
}

std::string htmlSheet(const Sheet& sheet) {
  const std::string title = escapeHtml(sheet.title);
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>" +
      title + "</title>\n<style>\n" + std::string(htmlStyle) +
      "</style>\n</head>\n<body>\n<h1>" + title + "</h1>\n<p>" +
      escapeHtml(head(sheet)) + "<br>\nTo make it again: <code>" +
      escapeHtml(sheet.remake) + "</code></p>\n<ol>\n";
  for (const SheetEntry& e : sheet.entries) out += htmlQuestion(e);
  out += "</ol>\n<section class=\"key\">\n<h2>Answer key</h2>\n<ol>\n";
  for (const SheetEntry& e : sheet.entries) out += htmlAnswer(e);
  return out + "</ol>\n</section>\n</body>\n</html>\n";
}

}  // namespace

Rich words(std::string_view text) {
  std::string html = escapeHtml(text);
  const std::string arrow = " -&gt; ";
  for (std::size_t at = html.find(arrow); at != std::string::npos;
       at = html.find(arrow, at)) {
    html.replace(at, arrow.size(), " &rarr; ");
  }
  return {std::string(text), html};
}

std::string remakeCommand(std::string_view program, std::uint64_t seed,
                          unsigned type, std::uint32_t count,
                          std::string_view extra, SheetFormat format) {
  std::string command =
      std::string(program) + " --worksheet --seed " + std::to_string(seed) +
      " --type " + std::to_string(type) + " --count " + std::to_string(count);
  if (!extra.empty()) command += " " + std::string(extra);
  if (format == SheetFormat::markdown) command += " --format markdown";
  if (format == SheetFormat::html) command += " --format html";
  return command;
}

std::string writeSheet(const Sheet& sheet, SheetFormat format) {
  switch (format) {
    case SheetFormat::markdown:
      return markdownSheet(sheet);
    case SheetFormat::html:
      return htmlSheet(sheet);
    default:
      return textSheet(sheet);
  }
}
