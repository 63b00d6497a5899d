// What the drill shows of a question, in plain text and in HTML: the
// question line, and the answer's lines as the dialogue reveals them. The
// dialogue, the worksheets and the browser page all show these.
#ifndef REACTION_DRILL_DRILL_REVEAL_H_
#define REACTION_DRILL_DRILL_REVEAL_H_

#include <vector>

#include "question.h"
#include "worksheet.h"

// The reactants, as after "Question: ".
Rich questionLine(const Reaction& r, const QuestionTexts& t);

// The caption in parentheses, the products, the ionic answer, and with
// `formulas` the formula equations, each line set in as the dialogue sets
// it in.
std::vector<SheetLine> answerLines(const Reaction& r, const QuestionTexts& t,
                                   bool formulas);

#endif  // REACTION_DRILL_DRILL_REVEAL_H_
