// What an answer is written as, and all that follows from it: the room a
// worksheet leaves, how a learning platform marks it without this program,
// and the keys the browser page offers. One row for each; a question names
// its row.
#ifndef REACTION_DRILL_QUIZ_ANSWER_FORMS_H_
#define REACTION_DRILL_QUIZ_ANSWER_FORMS_H_

#include <string_view>

struct QuizQuestion;
struct SheetEntry;

struct AnswerForm {
  std::string_view name;  // as the page knows it
  unsigned lines;         // ruled lines on a worksheet
  // Sets how a platform marks `q` in its worksheet entry `e`.
  void (*bank)(const QuizQuestion& q, SheetEntry& e);
  bool typingKeys;    // the page's typing keys and "How to type" show
  bool equationKeys;  // and among the keys, the arrow and the states
};

// The platform markings, written with the worksheets (quiz_sheet.cpp): a
// formula matched as typed, in every notation the quiz reads as it
// (typed_forms.h) and every letter case that earns credit, the right ones
// first; a yes or no as a statement called true or false;
// anything else by the teacher, from the key.
void bankTyped(const QuizQuestion& q, SheetEntry& e);
void bankTrueOrFalse(const QuizQuestion& q, SheetEntry& e);
void bankByTeacher(const QuizQuestion& q, SheetEntry& e);

// A line for a formula or a y or n; three for an equation, which may take
// two in handwriting and a correction.
// clang-format off
inline constexpr AnswerForm answerForms[] = {
    // name      lines  platform marking  typing keys  equation keys
    {"formula",  1,     bankTyped,        true,        false},
    {"yesNo",    1,     bankTrueOrFalse,  false,       false},
    {"equation", 3,     bankByTeacher,    true,        true},
};
// clang-format on

// The row named `name`.
// REQUIRES: a name of answerForms.
const AnswerForm& answerForm(std::string_view name);

#endif  // REACTION_DRILL_QUIZ_ANSWER_FORMS_H_
