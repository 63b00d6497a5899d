#include <algorithm>

#include "formats.h"

namespace {

// HTML inside CDATA, so a platform reads it as the page would; a "]]>"
// within it would end the section early, so it is split across two.
std::string cdata(std::string_view html) {
  std::string out = "<![CDATA[";
  for (std::size_t from = 0;;) {
    const std::size_t end = html.find("]]>", from);
    if (end == std::string_view::npos) {
      out += html.substr(from);
      break;
    }
    out += html.substr(from, end + 2 - from);
    out += "]]><![CDATA[";
    from = end + 2;
  }
  return out + "]]>";
}

std::string htmlText(std::string_view element, std::string_view html) {
  const std::string tag(element);
  return "<" + tag + " format=\"html\"><text>" + cdata(html) + "</text></" +
         tag + ">\n";
}

std::string plainText(std::string_view element, std::string_view text) {
  const std::string tag(element);
  return "<" + tag + "><text>" + escapeHtml(text) + "</text></" + tag + ">\n";
}

std::string paragraphs(const std::vector<SheetLine>& lines) {
  std::string html;
  for (const SheetLine& line : lines) {
    html += line.indent > 0 ? "<p style=\"margin-left: 2em\">" : "<p>";
    html += line.content.html + "</p>";
  }
  return html;
}

std::string questionText(const Sheet& sheet, const SheetEntry& e) {
  std::string html;
  if (!e.prompt && !e.statement) html = "<p>" + escapeHtml(sheet.task) + "</p>";
  html += "<p>" + e.question.html + "</p>";
  if (e.statement) {
    html += "<p>" + e.statement->html + "</p>";
  } else if (e.prompt) {
    html += "<p>" + e.prompt->html + "</p>";
  }
  return html;
}

// What every kind of question begins with: its name in the bank, the
// question, and the key as the feedback a student sees once it is marked.
std::string questionHead(std::string_view type, const Sheet& sheet,
                         std::size_t k) {
  const SheetEntry& e = sheet.entries[k];
  return "<question type=\"" + std::string(type) + "\">\n" +
         plainText("name", entryNumber(k) + e.question.text) +
         htmlText("questiontext", questionText(sheet, e)) +
         htmlText("generalfeedback", paragraphs(e.key)) +
         "<defaultgrade>1</defaultgrade>\n<hidden>0</hidden>\n";
}

std::string answers(const SheetEntry& e) {
  std::string out;
  for (const SheetResponse& r : e.responses) {
    out += "<answer fraction=\"" + std::to_string(r.percent) +
           R"(" format="plain_text"><text>)" + escapeHtml(r.typed) +
           "</text>\n" + htmlText("feedback", escapeHtml(r.feedback)) +
           "</answer>\n";
  }
  return out;
}

// Letter case decides between right and close, so the platform matches it.
std::string shortAnswer(const Sheet& sheet, std::size_t k) {
  return questionHead("shortanswer", sheet, k) +
         "<penalty>0.3333333</penalty>\n<usecase>1</usecase>\n" +
         answers(sheet.entries[k]) + "</question>\n";
}

std::string trueFalse(const Sheet& sheet, std::size_t k) {
  return questionHead("truefalse", sheet, k) + "<penalty>1</penalty>\n" +
         answers(sheet.entries[k]) + "</question>\n";
}

// The answer box has the room the printed sheet gives, in the steps of
// five lines a platform offers.
std::string essay(const Sheet& sheet, std::size_t k) {
  const SheetEntry& e = sheet.entries[k];
  const unsigned lines = std::max(5U, (e.lines + 4) / 5 * 5);
  return questionHead("essay", sheet, k) +
         "<penalty>0</penalty>\n<responseformat>plain</responseformat>\n"
         "<responserequired>1</responserequired>\n<responsefieldlines>" +
         std::to_string(lines) +
         "</responsefieldlines>\n<attachments>0</attachments>\n"
         "<attachmentsrequired>0</attachmentsrequired>\n" +
         htmlText("graderinfo", paragraphs(e.key)) +
         htmlText("responsetemplate", "") + "</question>\n";
}

// The category is named for the command that makes the bank again.
std::string category(const Sheet& sheet) {
  return "<question type=\"category\">\n" +
         plainText("category", "$course$/top/" + sheet.remake) +
         htmlText("info", "<p>" + escapeHtml(sheet.title) + ". " +
                              escapeHtml(sheetHead(sheet)) + "</p>") +
         "</question>\n";
}

std::string question(const Sheet& sheet, std::size_t k) {
  switch (sheet.entries[k].marking) {
    case SheetMarking::typedExactly:
      return shortAnswer(sheet, k);
    case SheetMarking::trueOrFalse:
      return trueFalse(sheet, k);
    case SheetMarking::byTeacher:
      break;
  }
  return essay(sheet, k);
}

}  // namespace

std::string moodleSheet(const Sheet& sheet) {
  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n" + category(sheet);
  for (std::size_t k = 0; k < sheet.entries.size(); ++k) {
    out += question(sheet, k);
  }
  return out + "</quiz>\n";
}
