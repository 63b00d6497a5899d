#include "answer_forms.h"

#include "require.h"

const AnswerForm& answerForm(std::string_view name) {
  for (const AnswerForm& form : answerForms) {
    if (form.name == name) return form;
  }
  require(false, "an answer form of that name");
  return answerForms[0];
}
