// What the drill shows of a question, in plain text and in HTML: the
// question line, and the answer's lines as the dialogue reveals them. The
// dialogue, the worksheets and the browser page all show these.
#ifndef REACTION_DRILL_DRILL_REVEAL_H_
#define REACTION_DRILL_DRILL_REVEAL_H_

#include <vector>

#include "question.h"
#include "worksheet.h"

// Which forms of the lines to write: the console needs no HTML, and
// writing it would double the time of a question.
enum class Forms { text, textAndHtml };

// The reactants, as after "Question: ".
Rich questionLine(const Reaction& r, const QuestionTexts& t);

// The caption in parentheses, the products and the ionic answer, each line
// set in as the dialogue sets it in. With Forms::text, every `html` is left
// empty.
std::vector<SheetLine> answerLines(const Reaction& r, const QuestionTexts& t,
                                   Forms forms = Forms::textAndHtml);

// The formula equation and, where anything dissolves into ions, the
// complete and net ionic equations, each below its heading.
std::vector<SheetLine> formulaLines(const Reaction& r,
                                    Forms forms = Forms::textAndHtml);

// answerLines, followed with `formulas` by formulaLines.
std::vector<SheetLine> revealedLines(const Reaction& r, const QuestionTexts& t,
                                     bool formulas,
                                     Forms forms = Forms::textAndHtml);

#endif  // REACTION_DRILL_DRILL_REVEAL_H_
